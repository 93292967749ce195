// A static file server on 127.0.0.1, as a plain host would serve the site. The site can sit
// under a sub-folder of the address (--under /some/folder/), which only works if every address
// in it is relative, and gzip -9 can go on the way (--gzip) as a host that compresses does.
//   node tests/web/serve.mjs FOLDER [PORT] [--under /PATH/] [--gzip]
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import { extname, join, normalize, sep } from 'node:path';
import { gzipSync } from 'node:zlib';

const kTypes = {
  '.html': 'text/html; charset=utf-8', '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8', '.mjs': 'text/javascript; charset=utf-8',
  '.json': 'application/json', '.webmanifest': 'application/manifest+json',
  '.wasm': 'application/wasm', '.svg': 'image/svg+xml', '.png': 'image/png',
  '.webp': 'image/webp', '.woff2': 'font/woff2', '.txt': 'text/plain; charset=utf-8',
};
// What a host compresses: text and code. Fonts, pictures and icons come compressed already.
const kCompressed = new Set(['.html', '.css', '.js', '.mjs', '.json', '.webmanifest', '.wasm',
                             '.svg', '.txt']);

// `sent`, an array, gets {path, bytes, headers} of each body sent: what a visit cost on the wire.
// `noCache` has the browser ask again for every file, so that only the page's service worker
// can answer when the server has gone; without it, the browser's cache may, as from any host.
// The returned `slow` set names files (as paths in the folder) that come a second late, as over
// a poor network.
export async function serve(folder, { port = 0, under = '/', gzip = false, noCache = true, sent } = {}) {
  const cache = new Map();  // compressed bodies, so that timing runs measure the site, not zlib
  const slow = new Set();
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    if (slow.has(path.slice(under.length))) await new Promise((resolve) => setTimeout(resolve, 1000));
    if (!path.startsWith(under)) return response.writeHead(404).end('not found');
    const relative = normalize(path.slice(under.length));
    if (relative.startsWith('..')) return response.writeHead(403).end();
    let file = join(folder, relative);
    if (file.endsWith(sep) || relative === '.') file = join(file, 'index.html');
    let body, modified;
    try {
      [body, { mtime: modified }] = await Promise.all([readFile(file), stat(file)]);
    } catch {
      return response.writeHead(404).end('not found');
    }
    const type = extname(file);
    const headers = { 'Content-Type': kTypes[type] ?? 'application/octet-stream',
                      'Last-Modified': modified.toUTCString(), ...(noCache && { 'Cache-Control': 'no-cache' }) };
    if (gzip && kCompressed.has(type)) {
      headers.Vary = 'Accept-Encoding';
      if (/\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
        const key = `${file}:${body.length}`;
        if (!cache.has(key)) cache.set(key, gzipSync(body, { level: 9 }));
        body = cache.get(key);
        headers['Content-Encoding'] = 'gzip';
      }
    }
    headers['Content-Length'] = body.length;
    sent?.push({ path: relative, bytes: body.length, headers: request.headers });
    response.writeHead(200, headers);
    response.end(request.method === 'HEAD' ? undefined : body);
  });
  await new Promise((resolve) => server.listen(port, '127.0.0.1', resolve));
  const url = `http://127.0.0.1:${server.address().port}${under}`;
  return {
    url, port: server.address().port, slow,
    // Stops at once, open connections too: to the page it is a network that went away.
    close: () => new Promise((resolve) => { server.close(resolve); server.closeAllConnections(); }),
  };
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const [folder, ...rest] = process.argv.slice(2);
  const option = (name) => rest.includes(name) ? rest[rest.indexOf(name) + 1] : undefined;
  const port = rest.find((arg, i) => /^\d+$/.test(arg) && rest[i - 1] !== '--under');
  const site = await serve(folder, { port: Number(port ?? 8080),
                                     under: option('--under') ?? '/', gzip: rest.includes('--gzip') });
  console.log(`Serving ${folder} on ${site.url} (Ctrl+C ends)`);
  process.on('SIGINT', () => site.close().then(() => process.exit(0)));
  process.on('SIGTERM', () => site.close().then(() => process.exit(0)));
}
