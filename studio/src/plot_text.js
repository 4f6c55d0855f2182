// The plot as the text turnel reads: one line per point. The editor draws the
// lines that read as two whole numbers and edits the text line by line; which
// lines turnel accepts, and why not, only turnel says.

const POINT_LINE = /^\s*"?\s*(-?\d{1,6})\s*"?\s*,\s*"?\s*(-?\d{1,6})\s*"?\s*$/;

export const LIMIT = 2500;

// The address query that opens this plot at this accuracy. Commas are left
// as they are, so that the link stays readable.
export function shareQuery(text, accuracy) {
  return `?a=${accuracy}&plot=${encodeURIComponent(text).replace(/%2C/g, ',')}`;
}

// Lines as turnel counts them: a final line end ends the last line, it does
// not begin another.
export function splitLines(text) {
  const lines = text.split('\n');
  if (lines.length > 1 && lines[lines.length - 1] === '') lines.pop();
  if (text === '') return [];
  return lines;
}

export function joinLines(lines) {
  return lines.length === 0 ? '' : lines.join('\n') + '\n';
}

// The points the editor can draw, each with the line it stands on.
export function readPoints(text) {
  const points = [];
  splitLines(text).forEach((line, index) => {
    const match = POINT_LINE.exec(line.replace(/\r$/, ''));
    if (match) {
      points.push({ line: index, r: Number(match[1]), y: Number(match[2]) });
    }
  });
  return points;
}

export function snap(value) {
  const whole = Math.round(value);
  return Math.max(-LIMIT, Math.min(LIMIT, whole === 0 ? 0 : whole));
}

export function pointLine(r, y) {
  return `${r},${y}`;
}

export function replaceLine(text, index, line) {
  const lines = splitLines(text);
  lines[index] = line;
  return joinLines(lines);
}

export function insertLine(text, index, line) {
  const lines = splitLines(text);
  lines.splice(Math.min(index, lines.length), 0, line);
  return joinLines(lines);
}

export function removeLine(text, index) {
  const lines = splitLines(text);
  lines.splice(index, 1);
  return joinLines(lines);
}

// The line a turnel message names ("入力プロット 3行:..."), or -1.
export function lineOfMessage(message) {
  const match = /(\d+)行/.exec(message);
  return match ? Number(match[1]) : -1;
}
