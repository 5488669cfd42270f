// SPDX-License-Identifier: MIT
// A small static HTTP server for the site, on the loopback address only. The
// browser tests start it to serve the built site (a page from file:// cannot
// load its .wasm) and read its log of requests; by hand:
//
//   node tests/web/static_server.mjs SITE_DIR [PORT]
//
// GET and HEAD only, no folder listings, nothing outside SITE_DIR.
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import { extname, join, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.txt': 'text/plain; charset=utf-8',
  '.png': 'image/png',
  '.bin': 'application/octet-stream',
};

// The file a request path names inside `root`, or null.
async function fileFor(root, urlPath, extraFiles) {
  if (Object.hasOwn(extraFiles, urlPath)) return extraFiles[urlPath];
  let path;
  try {
    path = decodeURIComponent(urlPath);
  } catch {
    return null;
  }
  if (path.includes('\0')) return null;
  if (path.endsWith('/')) path += 'index.html';
  const file = resolve(join(root, path));
  if (!file.startsWith(root + sep)) return null;
  try {
    return (await stat(file)).isFile() ? file : null;
  } catch {
    return null;
  }
}

// Serves `root` on 127.0.0.1 (`port` 0: any free port). `extraFiles` maps
// further URL paths to files, for test fixtures. Resolves to { url,
// requests, close() }; `requests` lists every request as "METHOD /path".
export async function startServer(root, { port = 0, extraFiles = {} } = {}) {
  const base = resolve(root);
  const requests = [];
  const server = createServer(async (request, response) => {
    requests.push(`${request.method} ${request.url}`);
    const headers = { 'Cache-Control': 'no-store' };
    if (request.method !== 'GET' && request.method !== 'HEAD') {
      response.writeHead(405, { ...headers, Allow: 'GET, HEAD' }).end();
      return;
    }
    const urlPath = new URL(request.url, 'http://localhost').pathname;
    const file = await fileFor(base, urlPath, extraFiles);
    if (file === null) {
      response.writeHead(404, headers).end();
      return;
    }
    try {
      const body = await readFile(file);
      response.writeHead(200, {
        ...headers,
        'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream',
        'Content-Length': body.length,
        'X-Content-Type-Options': 'nosniff',
      });
      response.end(request.method === 'HEAD' ? undefined : body);
    } catch {
      response.writeHead(500, headers).end();
    }
  });
  await new Promise((done, fail) => {
    server.once('error', fail);
    server.listen(port, '127.0.0.1', done);
  });
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    requests,
    close: () => new Promise((done) => {
      server.closeAllConnections();
      server.close(done);
    }),
  };
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [root, port] = process.argv.slice(2);
  if (!root) {
    console.error('usage: node static_server.mjs SITE_DIR [PORT]');
    process.exit(2);
  }
  const { url } = await startServer(root, { port: Number(port ?? 8000) });
  console.log(`serving ${resolve(root)} at ${url} (Ctrl-C ends)`);
}
