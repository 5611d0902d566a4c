// What the browser tests and the page's benchmarks share: the built folder
// served on a free port of this machine, and Debian's Chromium started as the
// machine allows (as root it needs --no-sandbox; no background traffic).
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';
import { chromium } from 'playwright-core';

const TIPOS = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.png': 'image/png', '.jpg': 'image/jpeg', '.webmanifest': 'application/manifest+json',
};

export function servir(carpeta) {
  const servidor = http.createServer((pedido, respuesta) => {
    const ruta = decodeURIComponent(new URL(pedido.url, 'http://x').pathname);
    const archivo = path.join(carpeta, ruta.endsWith('/') ? ruta + 'index.html' : ruta);
    if (!archivo.startsWith(carpeta) || !fs.existsSync(archivo) || !fs.statSync(archivo).isFile()) {
      respuesta.writeHead(404).end();
      return;
    }
    respuesta.writeHead(200, { 'content-type': TIPOS[path.extname(archivo)] ?? 'application/octet-stream' });
    fs.createReadStream(archivo).pipe(respuesta);
  });
  return new Promise((listo) => servidor.listen(0, '127.0.0.1', () => listo({
    url: `http://localhost:${servidor.address().port}/`,
    cerrar: () => new Promise((fin) => servidor.close(fin)),
  })));
}

export function navegador() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--disable-features=Translate,MediaRouter'],
  });
}
