// Serves a folder of static files on localhost, as any static file server would host the
// site: node tools/web/serve.mjs FOLDER [PORT]. Port 0 takes a free one. Prints the address.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.data': 'application/octet-stream', '.svg': 'image/svg+xml', '.png': 'image/png',
};

export function serve(folder, port = 8080) {
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    const file = join(folder, path.endsWith('/') ? join(path, 'index.html') : path);
    try {
      const body = await readFile(file);
      response.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'application/octet-stream',
                                'Cache-Control': 'no-cache' });
      response.end(body);
    } catch {
      response.writeHead(404).end('not found');
    }
  });
  return new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve(server)));
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const server = await serve(process.argv[2], Number(process.argv[3] ?? 8080));
  console.log(`Serving ${process.argv[2]} on http://127.0.0.1:${server.address().port}/ (Ctrl+C ends)`);
}
