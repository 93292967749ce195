// Headless Chromium driven over the DevTools protocol through a pipe (--remote-debugging-pipe),
// so nothing beyond Node.js and Debian's chromium is needed.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

export async function launchChromium(width, height) {
  const profile = mkdtempSync(join(tmpdir(), 'quillmark-chromium-'));
  const browser = spawn(process.env.CHROMIUM ?? 'chromium', [
    '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    '--remote-debugging-pipe', `--user-data-dir=${profile}`, `--window-size=${width},${height}`,
    'about:blank',
  ], { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'] });
  let stderr = '';
  browser.stderr.on('data', (chunk) => { stderr += chunk; });
  const connection = new Connection(browser.stdio[3], browser.stdio[4]);
  browser.on('exit', (code) => connection.closed(`chromium exited (${code}): ${stderr.slice(-2000)}`));
  const exited = new Promise((resolve) => browser.on('exit', resolve));
  connection.close = async () => {
    browser.kill();
    await exited;
    try { rmSync(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 }); } catch {}
  };
  return connection;
}

class Connection {
  constructor(input, output) {
    this.input = input;
    this.nextId = 1;
    this.pending = new Map();
    this.listeners = [];
    let buffer = Buffer.alloc(0);
    output.on('data', (chunk) => {
      buffer = Buffer.concat([buffer, chunk]);
      for (let end; (end = buffer.indexOf(0)) >= 0; buffer = buffer.subarray(end + 1))
        this.receive(JSON.parse(buffer.subarray(0, end).toString()));
    });
  }

  receive(message) {
    const waiting = this.pending.get(message.id);
    if (waiting) {
      this.pending.delete(message.id);
      if (message.error) waiting.reject(new Error(`${waiting.method}: ${message.error.message}`));
      else waiting.resolve(message.result);
    } else if (message.method) {
      for (const listener of this.listeners) listener(message);
    }
  }

  closed(why) {
    for (const waiting of this.pending.values()) waiting.reject(new Error(why));
    this.pending.clear();
  }

  send(method, params = {}, sessionId = undefined) {
    const id = this.nextId++;
    this.input.write(JSON.stringify({ id, method, params, sessionId }) + '\0');
    return new Promise((resolve, reject) => this.pending.set(id, { resolve, reject, method }));
  }

  // A page's session: send(method, params) talks to that page.
  async openPage() {
    const { targetId } = await this.send('Target.createTarget', { url: 'about:blank' });
    const { sessionId } = await this.send('Target.attachToTarget', { targetId, flatten: true });
    const page = {
      send: (method, params) => this.send(method, params, sessionId),
      on: (method, handler) => this.listeners.push(
        (message) => message.sessionId === sessionId && message.method === method && handler(message.params)),
    };
    return page;
  }
}
