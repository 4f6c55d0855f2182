// Undo and redo over whole states of the page. A run of changes of one kind
// (a drag, typing, the accuracy slider) is one step.
const MERGE_WINDOW_MS = 1000;
// Plots of megabytes can be opened; the oldest steps go before the history
// holds more than this many characters and bytes.
const MAX_HELD = 64 * 1024 * 1024;

function weight(state) {
  return (state.text ? state.text.length : 0) + (state.model ? state.model.bytes.length : 0);
}

export class History {
  constructor(initial, limit = 500) {
    this.entries = [initial];
    this.index = 0;
    this.limit = limit;
    this.tag = null;
    this.time = 0;
  }

  get current() {
    return this.entries[this.index];
  }

  // tag: changes with the same tag, each within mergeWindow ms of the one
  // before, merge into one step.
  push(state, tag = null, mergeWindow = MERGE_WINDOW_MS) {
    const now = performance.now();
    const merge = tag !== null && tag === this.tag &&
      now - this.time < mergeWindow && this.index > 0 &&
      this.index === this.entries.length - 1;
    this.tag = tag;
    this.time = now;
    if (merge) {
      this.entries[this.index] = state;
      return;
    }
    this.entries.length = this.index + 1;
    this.entries.push(state);
    let held = this.entries.reduce((sum, entry) => sum + weight(entry), 0);
    while (this.entries.length > 1 && (this.entries.length > this.limit || held > MAX_HELD)) {
      held -= weight(this.entries.shift());
    }
    this.index = this.entries.length - 1;
  }

  // Ends the current run, so that the next change starts a step of its own.
  seal() {
    this.tag = null;
  }

  canUndo() {
    return this.index > 0;
  }

  canRedo() {
    return this.index < this.entries.length - 1;
  }

  undo() {
    if (this.canUndo()) this.index -= 1;
    this.seal();
    return this.current;
  }

  redo() {
    if (this.canRedo()) this.index += 1;
    this.seal();
    return this.current;
  }
}
