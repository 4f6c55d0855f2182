// The profile editor: a canvas showing the plot's points with r to the right
// and y up, the axis, a grid, and the profile drawn in the plot's order.
// It changes nothing itself: every edit goes to the page as a callback and
// comes back as new text.
import { LIMIT, snap } from './plot_text.js';

const HIT_PX = 9;
const CLICK_SLOP_PX = 4;
const MIN_SCALE = 0.02; // pixels per unit: the whole ±2500 square and more
const MAX_SCALE = 80;

export class ProfileEditor {
  // callbacks: move(line, r, y, gesture), insert(atLine, r, y), remove(line),
  // gestureEnd(), cursor(r, y | null)
  constructor(canvas, callbacks) {
    this.canvas = canvas;
    this.callbacks = callbacks;
    this.points = [];
    this.selected = -1; // a line number
    this.scale = 2;
    this.centre = { r: 50, y: 50 };
    this.press = null;
    this.gesture = 0;
    this.highlight = -1; // the line a message names
    this.observeSize();
    canvas.addEventListener('pointerdown', (e) => this.onDown(e));
    canvas.addEventListener('pointermove', (e) => this.onMove(e));
    canvas.addEventListener('pointerup', (e) => this.onUp(e));
    canvas.addEventListener('pointercancel', (e) => this.onUp(e));
    canvas.addEventListener('pointerleave', () => this.callbacks.cursor(null));
    canvas.addEventListener('wheel', (e) => this.onWheel(e), { passive: false });
    canvas.addEventListener('keydown', (e) => this.onKey(e));
  }

  observeSize() {
    const resize = () => {
      const ratio = window.devicePixelRatio || 1;
      const { width, height } = this.canvas.getBoundingClientRect();
      this.canvas.width = Math.max(1, Math.round(width * ratio));
      this.canvas.height = Math.max(1, Math.round(height * ratio));
      this.draw();
    };
    new ResizeObserver(resize).observe(this.canvas);
  }

  setPoints(points, highlight = -1) {
    this.points = points;
    this.highlight = highlight;
    if (!points.some((p) => p.line === this.selected)) this.selected = -1;
    this.draw();
  }

  get width() {
    return this.canvas.clientWidth;
  }

  get height() {
    return this.canvas.clientHeight;
  }

  toScreen(r, y) {
    return {
      x: this.width / 2 + (r - this.centre.r) * this.scale,
      y: this.height / 2 - (y - this.centre.y) * this.scale,
    };
  }

  toPlot(x, y) {
    return {
      r: this.centre.r + (x - this.width / 2) / this.scale,
      y: this.centre.y - (y - this.height / 2) / this.scale,
    };
  }

  // Frames the points, with the axis always in view.
  fit() {
    let r0 = 0, r1 = 0, y0 = 0, y1 = 0;
    if (this.points.length === 0) {
      r1 = 100;
      y1 = 100;
    }
    for (const p of this.points) {
      const r = clampLimit(p.r), y = clampLimit(p.y);
      r0 = Math.min(r0, r); r1 = Math.max(r1, r);
      y0 = Math.min(y0, y); y1 = Math.max(y1, y);
    }
    const spanR = Math.max(r1 - r0, 10), spanY = Math.max(y1 - y0, 10);
    const width = Math.max(this.width, 50), height = Math.max(this.height, 50);
    this.scale = clampScale(Math.min((width - 60) / spanR, (height - 60) / spanY));
    this.centre = { r: (r0 + r1) / 2, y: (y0 + y1) / 2 };
    this.draw();
  }

  eventPoint(e) {
    const box = this.canvas.getBoundingClientRect();
    return { x: e.clientX - box.left, y: e.clientY - box.top };
  }

  pointAt(x, y) {
    let best = null;
    let bestDistance = HIT_PX;
    for (const p of this.points) {
      const s = this.toScreen(p.r, p.y);
      const distance = Math.hypot(s.x - x, s.y - y);
      if (distance <= bestDistance) {
        best = p;
        bestDistance = distance;
      }
    }
    return best;
  }

  // The segment a click lands on, as the line after which to insert.
  segmentAt(x, y) {
    for (let i = 0; i + 1 < this.points.length; ++i) {
      const a = this.toScreen(this.points[i].r, this.points[i].y);
      const b = this.toScreen(this.points[i + 1].r, this.points[i + 1].y);
      if (distanceToSegment(x, y, a, b) <= HIT_PX / 2 + 2) return this.points[i].line;
    }
    return -1;
  }

  onDown(e) {
    if (e.button !== 0 && e.button !== 1) return;
    this.canvas.focus();
    this.canvas.setPointerCapture(e.pointerId);
    const at = this.eventPoint(e);
    const hit = e.button === 0 ? this.pointAt(at.x, at.y) : null;
    this.gesture += 1;
    if (hit) {
      this.selected = hit.line;
      this.press = { kind: 'drag', line: hit.line, start: at, moved: false };
    } else {
      this.press = {
        kind: 'pan', start: at, centre: { ...this.centre }, moved: e.button === 1,
      };
    }
    this.draw();
    e.preventDefault();
  }

  onMove(e) {
    const at = this.eventPoint(e);
    const plot = this.toPlot(at.x, at.y);
    this.callbacks.cursor(snap(plot.r), snap(plot.y));
    const press = this.press;
    if (!press) return;
    if (!press.moved && Math.hypot(at.x - press.start.x, at.y - press.start.y) < CLICK_SLOP_PX) {
      return;
    }
    press.moved = true;
    if (press.kind === 'drag') {
      const point = this.points.find((p) => p.line === press.line);
      const r = snap(plot.r), y = snap(plot.y);
      if (point && (point.r !== r || point.y !== y)) {
        this.callbacks.move(press.line, r, y, this.gesture);
      }
    } else {
      this.centre = {
        r: press.centre.r - (at.x - press.start.x) / this.scale,
        y: press.centre.y + (at.y - press.start.y) / this.scale,
      };
      this.draw();
    }
  }

  onUp(e) {
    const press = this.press;
    this.press = null;
    if (!press) return;
    if (this.canvas.hasPointerCapture(e.pointerId)) {
      this.canvas.releasePointerCapture(e.pointerId);
    }
    if (press.kind === 'pan' && !press.moved && e.type === 'pointerup') {
      const plot = this.toPlot(press.start.x, press.start.y);
      const after = this.segmentAt(press.start.x, press.start.y);
      const line = after >= 0 ? after + 1 : this.endLine();
      this.selected = line;
      this.callbacks.insert(line, snap(plot.r), snap(plot.y));
    }
    this.callbacks.gestureEnd();
  }

  // New points go after the last point drawn, where the profile continues.
  endLine() {
    return this.points.length === 0 ? Infinity : this.points[this.points.length - 1].line + 1;
  }

  onWheel(e) {
    e.preventDefault();
    const at = this.eventPoint(e);
    const before = this.toPlot(at.x, at.y);
    this.scale = clampScale(this.scale * Math.exp(-e.deltaY * 0.0015));
    const after = this.toPlot(at.x, at.y);
    this.centre.r += before.r - after.r;
    this.centre.y += before.y - after.y;
    this.draw();
  }

  onKey(e) {
    if (this.selected < 0) return;
    const point = this.points.find((p) => p.line === this.selected);
    if (!point) return;
    if (e.key === 'Delete' || e.key === 'Backspace') {
      e.preventDefault();
      const index = this.points.indexOf(point);
      const next = this.points[index + 1] || this.points[index - 1];
      this.selected = next ? (next.line > point.line ? next.line - 1 : next.line) : -1;
      this.callbacks.remove(point.line);
      this.callbacks.gestureEnd();
      return;
    }
    const step = e.shiftKey ? 10 : 1;
    const moves = {
      ArrowLeft: [-step, 0], ArrowRight: [step, 0], ArrowUp: [0, step], ArrowDown: [0, -step],
    };
    const move = moves[e.key];
    if (move) {
      e.preventDefault();
      this.callbacks.move(point.line, snap(point.r + move[0]), snap(point.y + move[1]), 'keys');
    }
    if (e.key === 'Tab' || e.key === 'Escape') {
      if (e.key === 'Escape') this.selected = -1;
      this.draw();
    }
  }

  draw() {
    const ctx = this.canvas.getContext('2d');
    const ratio = this.canvas.width / Math.max(1, this.width);
    ctx.setTransform(ratio, 0, 0, ratio, 0, 0);
    const w = this.width, h = this.height;
    ctx.fillStyle = '#fbfbf8';
    ctx.fillRect(0, 0, w, h);
    this.drawGrid(ctx, w, h);
    this.drawProfile(ctx);
  }

  drawGrid(ctx, w, h) {
    // A grid step of 1, 2 or 5 times a power of ten, at least 24 px apart.
    const raw = 24 / this.scale;
    const power = Math.pow(10, Math.floor(Math.log10(raw)));
    const step = [1, 2, 5, 10].map((m) => m * power).find((s) => s >= raw);
    const top = this.toPlot(0, 0), bottom = this.toPlot(w, h);
    ctx.lineWidth = 1;
    ctx.font = '11px system-ui, sans-serif';
    ctx.fillStyle = '#8a8a80';
    for (let r = Math.ceil(top.r / step) * step; r <= bottom.r; r += step) {
      const x = Math.round(this.toScreen(r, 0).x) + 0.5;
      ctx.strokeStyle = r % (step * 5) === 0 ? '#dcdcd2' : '#ececE4';
      line(ctx, x, 0, x, h);
      if (r % (step * 5) === 0 && r !== 0) ctx.fillText(String(r), x + 3, h - 4);
    }
    for (let y = Math.ceil(bottom.y / step) * step; y <= top.y; y += step) {
      const sy = Math.round(this.toScreen(0, y).y) + 0.5;
      ctx.strokeStyle = y % (step * 5) === 0 ? '#dcdcd2' : '#ececE4';
      line(ctx, 0, sy, w, sy);
      if (y % (step * 5) === 0 && y !== 0) ctx.fillText(String(y), 3, sy - 3);
    }
    // The plot's bounds, and the axis the profile turns around.
    const a = this.toScreen(-LIMIT, LIMIT), b = this.toScreen(LIMIT, -LIMIT);
    ctx.strokeStyle = '#c9a0a0';
    ctx.setLineDash([6, 4]);
    ctx.strokeRect(a.x, a.y, b.x - a.x, b.y - a.y);
    ctx.setLineDash([]);
    const axis = Math.round(this.toScreen(0, 0).x) + 0.5;
    const ground = Math.round(this.toScreen(0, 0).y) + 0.5;
    ctx.strokeStyle = '#9a9a90';
    line(ctx, 0, ground, w, ground);
    ctx.strokeStyle = '#3c6e9c';
    ctx.lineWidth = 2;
    ctx.setLineDash([10, 4, 2, 4]);
    line(ctx, axis, 0, axis, h);
    ctx.setLineDash([]);
    ctx.fillStyle = '#3c6e9c';
    ctx.fillText('Y', axis + 5, 12);
    ctx.fillText('r', w - 12, ground - 5);
  }

  drawProfile(ctx) {
    const points = this.points;
    if (points.length === 0) return;
    // The other half of the section, as the turned model shows it.
    ctx.strokeStyle = '#c8c8c0';
    ctx.lineWidth = 1.5;
    ctx.beginPath();
    points.forEach((p, i) => {
      const s = this.toScreen(-Math.abs(p.r), p.y);
      if (i === 0) ctx.moveTo(s.x, s.y); else ctx.lineTo(s.x, s.y);
    });
    ctx.stroke();
    ctx.strokeStyle = '#1f3f5f';
    ctx.lineWidth = 2;
    ctx.beginPath();
    points.forEach((p, i) => {
      const s = this.toScreen(p.r, p.y);
      if (i === 0) ctx.moveTo(s.x, s.y); else ctx.lineTo(s.x, s.y);
    });
    ctx.stroke();
    ctx.font = '11px system-ui, sans-serif';
    const labels = points.length <= 60 || this.scale > 4;
    for (const p of points) {
      const s = this.toScreen(p.r, p.y);
      const selected = p.line === this.selected;
      const named = p.line === this.highlight;
      ctx.beginPath();
      ctx.arc(s.x, s.y, selected ? 6 : 4.5, 0, 2 * Math.PI);
      ctx.fillStyle = named ? '#d03030' : selected ? '#f0a020' : '#ffffff';
      ctx.fill();
      ctx.strokeStyle = named ? '#801010' : '#1f3f5f';
      ctx.lineWidth = 1.5;
      ctx.stroke();
      if (labels || selected) {
        ctx.fillStyle = '#1f3f5f';
        ctx.fillText(String(p.line), s.x + 7, s.y - 6);
      }
    }
  }
}

function line(ctx, x0, y0, x1, y1) {
  ctx.beginPath();
  ctx.moveTo(x0, y0);
  ctx.lineTo(x1, y1);
  ctx.stroke();
}

function clampScale(scale) {
  return Math.max(MIN_SCALE, Math.min(MAX_SCALE, scale));
}

function clampLimit(value) {
  return Math.max(-LIMIT, Math.min(LIMIT, value));
}

function distanceToSegment(x, y, a, b) {
  const dx = b.x - a.x, dy = b.y - a.y;
  const length = dx * dx + dy * dy;
  const t = length === 0 ? 0 : Math.max(0, Math.min(1, ((x - a.x) * dx + (y - a.y) * dy) / length));
  return Math.hypot(x - (a.x + t * dx), y - (a.y + t * dy));
}
