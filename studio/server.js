// The studio's static server: serves one folder on the loopback address, with
// a Content-Security-Policy that lets the page run only its own scripts and
// the WebAssembly it loads.
//
// Usage: node studio/server.js FOLDER [PORT]   (PORT 0: any free port)
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

export const CSP = [
  "default-src 'self'",
  "script-src 'self' 'wasm-unsafe-eval'",
  "style-src 'self'",
  "img-src 'self' blob: data:",
  "connect-src 'self'",
  "object-src 'none'",
  "base-uri 'none'",
  "form-action 'none'",
  "frame-ancestors 'none'",
  // Markup from strings cannot reach the page at all: innerHTML throws.
  "require-trusted-types-for 'script'",
  "trusted-types 'none'",
].join('; ');

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
  '.txt': 'text/plain; charset=utf-8',
  '.t3m': 'application/octet-stream',
  '.json': 'application/json',
};

export function startServer(folder, port, host = '127.0.0.1') {
  const root = fs.realpathSync(folder);
  // The page's address carries the whole plot, and Chromium sends up to
  // 2 MiB of it; Node's own bound on a request's head is 16 KiB.
  const server = http.createServer({ maxHeaderSize: 3 * 1024 * 1024 }, (request, response) => {
    const headers = {
      'Content-Security-Policy': CSP,
      'X-Content-Type-Options': 'nosniff',
      'Referrer-Policy': 'no-referrer',
      'Cache-Control': 'no-cache',
    };
    const refuse = (status, text) => {
      response.writeHead(status, { ...headers, 'Content-Type': 'text/plain' });
      response.end(request.method === 'HEAD' ? undefined : text);
    };
    if (request.method !== 'GET' && request.method !== 'HEAD') {
      refuse(405, 'method not allowed\n');
      return;
    }
    let name;
    try {
      name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    } catch (e) {
      refuse(400, 'bad request\n');
      return;
    }
    if (name.endsWith('/')) name += 'index.html';
    // Resolved and then compared, links included, so that no path of any
    // spelling reaches outside the folder.
    let file;
    try {
      file = fs.realpathSync(path.join(root, name));
    } catch (e) {
      refuse(404, 'not found\n');
      return;
    }
    if (file !== root && !file.startsWith(root + path.sep)) {
      refuse(403, 'forbidden\n');
      return;
    }
    fs.stat(file, (error, stat) => {
      if (error || !stat.isFile()) {
        refuse(404, 'not found\n');
        return;
      }
      const type = TYPES[path.extname(file).toLowerCase()] ||
        'application/octet-stream';
      response.writeHead(200, {
        ...headers,
        'Content-Type': type,
        'Content-Length': stat.size,
      });
      if (request.method === 'HEAD') {
        response.end();
        return;
      }
      fs.createReadStream(file).pipe(response);
    });
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, host, () => resolve(server));
  });
}

if (fileURLToPath(import.meta.url) === path.resolve(process.argv[1] ?? '')) {
  const folder = process.argv[2];
  const port = Number(process.argv[3] ?? 8000);
  if (!folder || !Number.isInteger(port) || port < 0 || port > 65535) {
    console.error('usage: node studio/server.js FOLDER [PORT]');
    process.exit(2);
  }
  const server = await startServer(folder, port);
  const { address, port: bound } = server.address();
  console.log(`turnel studio: http://${address}:${bound}/  (Ctrl+C ends it)`);
}
