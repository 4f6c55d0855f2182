// The studio page: the plot as text and as a drawing, turnel (the same
// program, in WebAssembly) run on every change, and the model it wrote.
import { Converter } from './converter.js';
import { History } from './history.js';
import { ProfileEditor } from './editor.js';
import { ModelView } from './view.js';
import { readT3m, ModelFileError } from './t3m.js';
import * as plots from './plot_text.js';
import vase from '../../examples/vase.txt';
import goblet from '../../examples/goblet.txt';
import bowl from '../../examples/bowl.txt';

const EXAMPLES = { vase, goblet, bowl };
// The longest plot turnel reads is 200 lines of 20479 characters and a line
// end, 4,096,200 characters; a link or a file a little longer still reaches
// turnel, which names the limit. Past this bound nothing is read at all.
const MAX_PLOT_CHARS = 5_000_000;
// Past this many bytes a file is no model turnel writes (200 points at the
// finest sweep make 144,552) nor one anybody draws in a browser.
const MAX_MODEL_BYTES = 64 * 1024 * 1024;
// Chromium navigates to no address over 2 MiB.
const MAX_URL_CHARS = 2_000_000;
const URL_DELAY_MS = 200;
const DEFAULT_ACCURACY = 3;
const STORE_KEY = 'turnel-studio';
const MODEL_TYPE = 'application/octet-stream';

const $ = (id) => document.getElementById(id);
const ui = {
  text: $('plot-text'),
  lines: $('plot-lines'),
  mark: $('plot-mark'),
  accuracy: $('accuracy'),
  accuracyValue: $('accuracy-value'),
  counts: $('counts'),
  message: $('message'),
  report: $('report'),
  saveModel: $('save-model'),
  savePlot: $('save-plot'),
  undo: $('undo'),
  redo: $('redo'),
  open: $('open-file'),
  examples: $('examples'),
  wireframe: $('wireframe'),
  turn: $('turn'),
  fitView: $('fit-view'),
  fitProfile: $('fit-profile'),
  share: $('share'),
  cursor: $('cursor'),
  profile: $('profile'),
  view: $('view'),
  shareNote: $('share-note'),
};

const encoder = new TextEncoder();
let converter = null;
let view = null;
let editor = null;
let history = null;
// { text, accuracy, name, model: null or { bytes, name } }
let state = null;
let written = null; // the bytes of the model on show, as turnel wrote them
let notice = '';
let firstView = false;
let urlTimer = 0;

function start() {
  const initial = initialState();
  state = initial.state;
  notice = initial.notice;
  history = new History(state);
  view = new ModelView(ui.view);
  editor = new ProfileEditor(ui.profile, {
    // A whole drag is one step, however slow.
    move: (line, r, y, gesture) => edit(plots.replaceLine(state.text, line, plots.pointLine(r, y)),
      `move:${gesture}`, null, gesture === 'keys' ? undefined : Infinity),
    insert: (line, r, y) => {
      const at = Math.min(line, plots.splitLines(state.text).length);
      editor.selected = at;
      edit(plots.insertLine(state.text, at, plots.pointLine(r, y)), null);
    },
    remove: (line) => edit(plots.removeLine(state.text, line), null),
    gestureEnd: () => history.seal(),
    cursor: (r, y) => {
      ui.cursor.textContent = r === null ? '' : `r=${r}, y=${y}`;
    },
  });
  wireControls();
  show({ fit: true });
  Converter.create().then((ready) => {
    converter = ready;
    show({ fit: true });
  }, (error) => {
    ui.message.textContent = `The converter did not load: ${error}`;
    ui.message.hidden = false;
  });
}

// The link's plot and accuracy, else the last session's, else the vase.
function initialState() {
  const fallback = { text: EXAMPLES.vase, accuracy: 4, name: 'vase', model: null };
  const query = location.search;
  if (query.length > 3 * MAX_PLOT_CHARS + 100) {
    return { state: { ...fallback, text: '' }, notice: tooLong('The link') };
  }
  const params = new URLSearchParams(query);
  const accuracy = accuracyOf(params.get('a'));
  const text = params.get('plot');
  if (text !== null) {
    if (text.length > MAX_PLOT_CHARS) {
      return { state: { ...fallback, text: '' }, notice: tooLong('The link') };
    }
    return { state: { text, accuracy: accuracy ?? DEFAULT_ACCURACY, name: 'plot', model: null }, notice: '' };
  }
  try {
    const saved = JSON.parse(localStorage.getItem(STORE_KEY) || 'null');
    if (saved && typeof saved.text === 'string' && saved.text.length <= MAX_PLOT_CHARS) {
      return {
        state: {
          text: saved.text,
          accuracy: accuracyOf(String(saved.accuracy)) ?? DEFAULT_ACCURACY,
          name: typeof saved.name === 'string' ? saved.name.slice(0, 100) : 'plot',
          model: null,
        },
        notice: '',
      };
    }
  } catch (e) {
    // a store of another shape: start afresh
  }
  return { state: { ...fallback, accuracy: accuracy ?? fallback.accuracy }, notice: '' };
}

function tooLong(what) {
  return `${what} holds a plot of more than ${MAX_PLOT_CHARS.toLocaleString('en')} characters, ` +
    'far more than turnel reads (200 lines of at most 20479 characters); it was not opened.';
}

function accuracyOf(value) {
  if (value === null || !/^\d{1,2}$/.test(value)) return null;
  const n = Number(value);
  return n >= 1 && n <= 10 ? n : null;
}

function wireControls() {
  ui.text.addEventListener('input', () => edit(ui.text.value, 'typing', 'text'));
  ui.text.addEventListener('scroll', placeMark);
  ui.accuracy.addEventListener('input', () => {
    change({ ...state, accuracy: Number(ui.accuracy.value) }, 'accuracy');
  });
  ui.undo.addEventListener('click', undo);
  ui.redo.addEventListener('click', redo);
  ui.saveModel.addEventListener('click', saveModel);
  ui.savePlot.addEventListener('click', savePlot);
  ui.open.addEventListener('change', () => {
    if (ui.open.files.length > 0) openFile(ui.open.files[0]);
    ui.open.value = '';
  });
  ui.examples.addEventListener('change', () => {
    const name = ui.examples.value;
    ui.examples.value = '';
    if (EXAMPLES[name]) change({ text: EXAMPLES[name], accuracy: state.accuracy, name, model: null }, null, { fit: true });
  });
  ui.wireframe.addEventListener('change', () => view.setWireframe(ui.wireframe.checked));
  ui.turn.addEventListener('change', () => view.setTurning(ui.turn.checked));
  ui.fitView.addEventListener('click', () => view.fit());
  ui.fitProfile.addEventListener('click', () => editor.fit());
  ui.share.addEventListener('click', () => {
    writeUrl();
    navigator.clipboard.writeText(location.href).then(
      () => { ui.shareNote.textContent = 'Link copied.'; },
      () => { ui.shareNote.textContent = 'The address bar holds the link.'; });
  });
  document.addEventListener('keydown', onKey);
  document.addEventListener('dragover', (e) => {
    e.preventDefault();
    document.body.classList.add('dropping');
  });
  document.addEventListener('dragleave', (e) => {
    if (e.relatedTarget === null) document.body.classList.remove('dropping');
  });
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    document.body.classList.remove('dropping');
    const file = e.dataTransfer && e.dataTransfer.files[0];
    if (file) openFile(file);
  });
}

function onKey(e) {
  if (!(e.ctrlKey || e.metaKey) || e.altKey) return;
  const key = e.key.toLowerCase();
  if (key === 'z' && !e.shiftKey) undo();
  else if (key === 'y' || (key === 'z' && e.shiftKey)) redo();
  else if (key === 's') (e.shiftKey ? savePlot : saveModel)();
  else if (key === 'o') ui.open.click();
  else return;
  e.preventDefault();
}

function edit(text, tag, from = null, mergeWindow = undefined) {
  change({ ...state, text, model: null }, tag, { from }, mergeWindow);
}

// A new state of the page: recorded for undo, then shown.
function change(next, tag, options = {}, mergeWindow = undefined) {
  state = next;
  notice = '';
  history.push(state, tag, mergeWindow);
  show(options);
}

function undo() {
  state = history.undo();
  notice = '';
  show({});
}

function redo() {
  state = history.redo();
  notice = '';
  show({});
}

// Runs turnel on the state's plot, or reads the opened model, and shows the
// outcome everywhere: text, drawing, counts, message, view, address.
function show({ from = null, fit = false }) {
  if (from !== 'text' && ui.text.value !== state.text) ui.text.value = state.text;
  ui.accuracy.value = String(state.accuracy);
  ui.accuracyValue.textContent = String(state.accuracy);
  let message = '';
  let counts = '';
  let report = '';
  let model = null;
  written = null;
  if (state.model) {
    try {
      model = readT3m(state.model.bytes);
      written = state.model.bytes;
      counts = `vt=${model.vertexCount}, cn=${model.connCount}`;
      report = `${state.model.name}: opened as it is, no plot`;
    } catch (e) {
      if (!(e instanceof ModelFileError)) throw e;
      message = `${state.model.name}: ${e.message}.`;
    }
  } else if (notice) {
    message = notice;
  } else if (converter) {
    const result = runTurnel();
    if (result.model) {
      model = readT3m(result.model);
      written = result.model;
      counts = `vt=${result.counts.vt}, cn=${result.counts.cn}`;
      report = result.text;
    } else {
      message = result.text;
    }
  } else {
    report = 'Loading turnel…';
  }
  const named = message && !state.model && !notice ? plots.lineOfMessage(message) : -1;
  ui.counts.textContent = counts;
  ui.message.textContent = message;
  ui.message.hidden = message === '';
  ui.report.textContent = report;
  ui.saveModel.disabled = written === null;
  ui.savePlot.disabled = state.model !== null;
  ui.undo.disabled = !history.canUndo();
  ui.redo.disabled = !history.canRedo();
  view.setModel(model);
  const points = state.model ? [] : plots.readPoints(state.text);
  editor.setPoints(points, named);
  showLines(named);
  if (fit) {
    editor.fit();
    view.fit();
  }
  document.title = `${state.model ? state.model.name : state.name} – turnel studio`;
  if (!firstView && model) {
    firstView = true;
    performance.mark('first-view');
  }
  scheduleUrl();
}

function runTurnel() {
  try {
    return converter.convert(encoder.encode(state.text), state.accuracy);
  } catch (e) {
    // An abort leaves the runtime unusable: a fresh one takes the next run.
    const failed = converter;
    converter = null;
    failed.start().then(() => {
      converter = failed;
      show({});
    }, () => {});
    return { text: `turnel stopped: ${e}`, model: null };
  }
}

// Line numbers as turnel's messages count them, from 0, and the line a
// message names marked behind the text.
function showLines(named) {
  const count = state.model ? 0 : plots.splitLines(state.text).length;
  if (ui.lines.dataset.count !== String(count)) {
    const shown = Math.min(count, 10000);
    ui.lines.textContent = Array.from({ length: shown }, (_, i) => i).join('\n');
    ui.lines.dataset.count = String(count);
  }
  ui.mark.hidden = named < 0;
  ui.mark.dataset.line = named < 0 ? '' : String(named);
  placeMark();
}

function placeMark() {
  const style = getComputedStyle(ui.text);
  const lineHeight = parseFloat(style.lineHeight);
  const top = parseFloat(style.paddingTop);
  ui.lines.style.transform = `translateY(${-ui.text.scrollTop}px)`;
  if (ui.mark.hidden) return;
  const line = Number(ui.mark.dataset.line);
  ui.mark.style.top = `${top + line * lineHeight - ui.text.scrollTop}px`;
  ui.mark.style.height = `${lineHeight}px`;
}

// The address carries the plot and the accuracy, so that it can be shared;
// written a little after the last change, as a drag makes many.
function scheduleUrl() {
  clearTimeout(urlTimer);
  urlTimer = setTimeout(writeUrl, URL_DELAY_MS);
}

function writeUrl() {
  clearTimeout(urlTimer);
  let query = '';
  ui.shareNote.textContent = '';
  if (state.model === null) {
    query = plots.shareQuery(state.text, state.accuracy);
    if (query.length > MAX_URL_CHARS) {
      query = `?a=${state.accuracy}`;
      ui.shareNote.textContent = 'This plot is too long for a link; save it instead.';
    }
  }
  const url = `${location.pathname}${query}`;
  if (url !== `${location.pathname}${location.search}`) history_replace(url);
  // An opened model has no plot to come back to.
  if (state.model !== null) return;
  try {
    localStorage.setItem(STORE_KEY, JSON.stringify({ text: state.text, accuracy: state.accuracy, name: state.name }));
  } catch (e) {
    // storage full or refused: the link still holds the plot
  }
}

function history_replace(url) {
  try {
    window.history.replaceState(null, '', url);
  } catch (e) {
    ui.shareNote.textContent = 'The address could not be updated.';
  }
}

function download(bytes, name, type) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}

function saveModel() {
  if (written === null) return;
  const name = state.model ? state.model.name : `${state.name}.t3m`;
  download(written, name, MODEL_TYPE);
}

// The plot's bytes exactly as turnel read them.
function savePlot() {
  if (state.model !== null) return;
  download(encoder.encode(state.text), `${state.name}.txt`, 'text/plain');
}

async function openFile(file) {
  const base = file.name.replace(/\.[^.]*$/, '') || 'plot';
  const head = new Uint8Array(await file.slice(0, 4).arrayBuffer());
  const isModel = /\.t3m$/i.test(file.name) || String.fromCharCode(...head) === 'T3M_';
  const limit = isModel ? MAX_MODEL_BYTES : MAX_PLOT_CHARS;
  if (file.size > limit) {
    notice = isModel
      ? `${file.name}: more than ${limit.toLocaleString('en')} bytes, no model turnel writes; it was not opened.`
      : tooLong(file.name);
    ui.message.textContent = notice;
    ui.message.hidden = false;
    notice = '';
    return;
  }
  const bytes = new Uint8Array(await file.arrayBuffer());
  if (isModel) {
    change({ text: '', accuracy: state.accuracy, name: base, model: { bytes, name: file.name } }, null, { fit: true });
  } else {
    const text = new TextDecoder('utf-8').decode(bytes);
    change({ text, accuracy: state.accuracy, name: base, model: null }, null, { fit: true });
  }
}

start();
