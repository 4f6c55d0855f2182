// turnel itself, built to WebAssembly: each conversion writes the plot into
// the module's in-memory file system, runs the program's main with the same
// command line a user would type, and takes back what it printed and wrote.
import createTurnel from 'turnel-wasm';

const PLOT_PATH = 'plot.txt';
const MODEL_NAME = 'model';
const MODEL_PATH = 'model.t3m';
const REPORT = /\(vt=(\d+), cn=(\d+)\)\r?\n?$/;

const cp932 = new TextDecoder('shift_jis');

export class Converter {
  // options.wasmBinary: the module's bytes, where the page cannot fetch them.
  static async create(options = {}) {
    const converter = new Converter(options);
    await converter.start();
    return converter;
  }

  constructor(options) {
    this.options = options;
    this.module = null;
    this.printed = [];
  }

  async start() {
    const printed = (byte) => {
      if (byte !== null) this.printed.push(byte);
    };
    const settings = {
      // Standard output as bytes: the messages are code page 932, which the
      // runtime's own console would read as UTF-8. Not being a terminal,
      // it also keeps the program from looking at a locale.
      preRun: [(module) => module.FS.init(() => null, printed, printed)],
    };
    if (this.options.wasmBinary) settings.wasmBinary = this.options.wasmBinary;
    this.module = await createTurnel(settings);
  }

  // Runs turnel /a:accuracy plot.txt model on the plot's bytes. Returns the
  // printed bytes, their text, the counts of a report line, and the model
  // file's bytes when one was written.
  // Throws when the program aborted; the next call to start() gives a fresh
  // runtime.
  convert(plotBytes, accuracy) {
    const fs = this.module.FS;
    fs.writeFile(PLOT_PATH, plotBytes);
    // An earlier model would otherwise stand for this run's when it fails.
    try {
      fs.unlink(MODEL_PATH);
    } catch (e) {
      // nothing written yet
    }
    this.printed.length = 0;
    try {
      this.module.callMain([`/a:${accuracy}`, PLOT_PATH, MODEL_NAME]);
      this.module._fflush(0);
    } catch (e) {
      // The runtime is not to be trusted after an abort: the next run gets
      // a fresh one.
      this.module = null;
      throw e;
    }
    const bytes = Uint8Array.from(this.printed);
    let model = null;
    try {
      model = fs.readFile(MODEL_PATH);
    } catch (e) {
      model = null;
    }
    const text = cp932.decode(bytes);
    const report = model !== null ? REPORT.exec(text) : null;
    return {
      printed: bytes,
      text: text.replace(/\r?\n$/, ''),
      counts: report ? { vt: Number(report[1]), cn: Number(report[2]) } : null,
      model: report ? model : null,
    };
  }
}
