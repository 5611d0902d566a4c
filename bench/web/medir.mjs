// Measures the page against a reference page made of the same HTML, CSS and
// pictures and no WebAssembly, in headless Chromium, runs interleaved:
//   - the bytes gzipped, file by file: what loads before the prayer box shows, and the whole folder;
//   - navigation to the prayer box painted (first contentful paint, which is that box on both);
//   - key to answer painted: from the "?" key's event to the frame that shows the answer;
//   - the suspense: its final reply against 43 periods of 200 ms.
// The reference is the page's own DOM, its main window built and hidden, saved
// without its scripts, with the page's prayer box and a few lines of script
// that do what the page does visibly: open the prayer and welcome boxes, and
// on "?" show the same answer and lock the boxes.
//
//   node bench/web/medir.mjs [SITIO] [--veces N]
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { fileURLToPath } from 'node:url';
import { servir, navegador } from '../../tests/web/apoyo.mjs';

const aqui = path.dirname(fileURLToPath(import.meta.url));
const argumentos = process.argv.slice(2);
const sitio = path.resolve(argumentos.find((a) => !a.startsWith('--') && !/^\d+$/.test(a)) ??
  path.join(aqui, '../../build/web/sitio'));
const veces = Number(argumentos[argumentos.indexOf('--veces') + 1]) || 21;
const OBJETIVOS = { antesDeOrar: 120 * 1024, carpeta: 300 * 1024, oracion: 1.5, tecla: 16.7, suspenso: 10 };

const gzip = (archivo) => zlib.gzipSync(fs.readFileSync(archivo), { level: 9 }).length;
const mediana = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];
const percentil = (v, p) => [...v].sort((a, b) => a - b)[Math.min(v.length - 1, Math.floor(v.length * p))];
const resumen = (v) => `${mediana(v).toFixed(1)} (${Math.min(...v).toFixed(1)}–${Math.max(...v).toFixed(1)})`;

// The reference folder: the site's files, and referencia.html.
const chromium = await navegador();
const servida = await servir(sitio);
const referencia = fs.mkdtempSync('/tmp/auguron-referencia-');
fs.cpSync(sitio, referencia, { recursive: true });
{
  const p = await chromium.newPage();
  await p.goto(servida.url + '?semilla=1');
  await p.waitForSelector('dialog[open]');
  const dialogo = await p.$eval('dialog', (d) => d.outerHTML.replace(' open=""', ''));
  for (const t of ['Oración', 'Buscando vagulantes...']) {
    await p.waitForFunction((x) => document.querySelector('dialog[open] .titulo')?.textContent === x, t);
    await p.keyboard.press('Enter');
  }
  await p.waitForSelector('#frmVelmo:not([hidden])');
  const html = await p.evaluate(() => {
    const copia = document.documentElement.cloneNode(true);
    copia.querySelectorAll('script, link[rel=preload], dialog').forEach((e) => e.remove());
    copia.querySelector('#frmVelmo').hidden = true;
    return '<!doctype html>\n' + copia.outerHTML;
  });
  const guion = fs.readFileSync(path.join(aqui, 'referencia.js'), 'utf8');
  fs.writeFileSync(path.join(referencia, 'index.html'),
    html.replace('</body>', `${dialogo}<script>${guion}</script></body>`));
  await p.close();
}
const copia = await servir(referencia);

// 1. Bytes.
const antesDeOrar = new Set();
{
  const p = await chromium.newPage();
  p.on('request', (r) => antesDeOrar.add(new URL(r.url()).pathname));
  await p.goto(servida.url);
  await p.waitForSelector('dialog[open]');
  await p.close();
}
const archivos = [];
for (const raiz = sitio, pendientes = ['']; pendientes.length;) {
  const d = pendientes.pop();
  for (const e of fs.readdirSync(path.join(raiz, d), { withFileTypes: true })) {
    const r = path.join(d, e.name);
    e.isDirectory() ? pendientes.push(r) : archivos.push(r);
  }
}
const filas = archivos.sort().map((a) => ({ a, bytes: fs.statSync(path.join(sitio, a)).size, gz: gzip(path.join(sitio, a)),
  antes: antesDeOrar.has('/' + a) || (a === 'index.html' && antesDeOrar.has('/')) }));
const total = (f) => f.reduce((s, x) => s + x.gz, 0);
const kb = (n) => (n / 1024).toFixed(1) + ' KB';

// 2. Navigation to the prayer box painted, each run in a fresh context (cold cache), interleaved.
async function oracion(url) {
  const contexto = await chromium.newContext({ serviceWorkers: 'block' });
  const p = await contexto.newPage();
  await p.goto(url, { waitUntil: 'commit' });
  await p.waitForSelector('dialog[open]');
  const t = await p.evaluate(() => new Promise((listo) => new PerformanceObserver((l) => {
    const e = l.getEntries().find((x) => x.name === 'first-contentful-paint');
    if (e) listo(e.startTime);
  }).observe({ type: 'paint', buffered: true })));
  await contexto.close();
  return t;
}

// 3. Key to answer painted: the "?" key's event time to the frame after the answer
// changed (a message posted from requestAnimationFrame runs once that frame is painted).
const MEDIR_TECLA = () => {
  window.muestras = [];
  let inicio = 0;
  document.addEventListener('keydown', (e) => { if (e.key === '?') inicio = e.timeStamp; }, true);
  new MutationObserver(() => {
    if (!inicio || !document.getElementById('lblRespuesta').textContent) return;
    const desde = inicio;
    inicio = 0;
    requestAnimationFrame(() => { const c = new MessageChannel(); c.port1.onmessage = () => window.muestras.push(performance.now() - desde); c.port2.postMessage(0); });
  }).observe(document.getElementById('lblRespuesta'), { childList: true, subtree: true, characterData: true });
};
async function tecla(url, preguntas, respuestas = []) {
  const p = await chromium.newPage();
  await p.clock.setFixedTime(new Date('2026-12-06T12:00:00'));
  await p.goto(url + '?semilla=1');
  for (const t of ['Oración', 'Buscando vagulantes...']) {
    await p.waitForFunction((x) => document.querySelector('dialog[open] .titulo')?.textContent === x, t);
    await p.keyboard.press('Enter');
  }
  await p.waitForSelector('#frmVelmo:not([hidden])');
  await p.evaluate(MEDIR_TECLA);
  await p.evaluate((r) => { window.respuestas = r; window.dadas = []; }, respuestas);
  for (let i = 0; i < preguntas; i++) {
    await p.evaluate(() => window.reiniciar ? window.reiniciar() : null);
    if (i > 0) await p.click('#cmdNuevaPregunta');
    // Now and then the spirit asks its own question: yes, and on.
    while (await p.$('dialog[open]')) await p.keyboard.press('Enter');
    await p.click('#txtPeticion-entrada');
    await p.keyboard.type('Velmo, favor de responder:esto es una pregunta');
    await p.waitForFunction(() => document.activeElement.id === 'txtPregunta-entrada');
    await p.keyboard.press('?');
    await p.waitForFunction((n) => window.muestras.length === n, i + 1);
    await p.evaluate(() => window.dadas.push(document.getElementById('lblRespuesta').textContent));
  }
  const r = await p.evaluate(() => ({ muestras: window.muestras, dadas: window.dadas }));
  await p.close();
  return r;
}

const nav = { pagina: [], referencia: [] };
for (let i = 0; i < veces; i++) {
  nav.pagina.push(await oracion(servida.url));
  nav.referencia.push(await oracion(copia.url));
}
const teclas = { pagina: [], referencia: [] };
let iguales = true;
for (let i = 0; i < 5; i++) {
  const pagina = await tecla(servida.url, 20);
  const ref = await tecla(copia.url, 20, pagina.dadas);
  teclas.pagina.push(...pagina.muestras);
  teclas.referencia.push(...ref.muestras);
  iguales &&= JSON.stringify(pagina.dadas) === JSON.stringify(ref.dadas);
}

// 4. The suspense's final reply, from the first reply shown.
const suspenso = [];
for (let i = 0; i < 3; i++) {
  const p = await chromium.newPage();
  await p.goto(servida.url);
  for (const t of ['Oración', 'Buscando vagulantes...']) {
    await p.waitForFunction((x) => document.querySelector('dialog[open] .titulo')?.textContent === x, t);
    await p.keyboard.press('Enter');
  }
  await p.waitForSelector('#frmVelmo:not([hidden])');
  await p.evaluate(() => {
    window.cambios = [];
    new MutationObserver(() => window.cambios.push(performance.now()))
      .observe(document.getElementById('lblRespuesta'), { childList: true, subtree: true, characterData: true });
  });
  await p.keyboard.type('Velmo, favor de responder:cual es el sentido de la vida?');
  await p.waitForFunction(() => window.cambios.length >= 44, null, { timeout: 15000 });
  suspenso.push(await p.evaluate(() => window.cambios[43] - window.cambios[0] - 8600));
  await p.close();
}

await chromium.close();
await servida.cerrar();
await copia.cerrar();

const si = (ok) => (ok ? '✔' : '✘');
const razon = mediana(nav.pagina) / mediana(nav.referencia);
const p95 = percentil(teclas.pagina, 0.95) - percentil(teclas.referencia, 0.95);
console.log('| file | bytes | gzipped | loaded before the prayer box |\n|---|---|---|---|');
for (const f of filas) console.log(`| ${f.a} | ${f.bytes} | ${kb(f.gz)} | ${f.antes ? 'yes' : ''} |`);
console.log(`\n| Measure | Page, median (min–max) | Reference, median (min–max) | Result | Target |\n|---|---|---|---|---|`);
console.log(`| Gzipped bytes loaded before the prayer box | ${kb(total(filas.filter((f) => f.antes)))} | | | ≤ 120 KB ${si(total(filas.filter((f) => f.antes)) <= OBJETIVOS.antesDeOrar)} |`);
console.log(`| Gzipped bytes of the whole folder | ${kb(total(filas))} | | | ≤ 300 KB ${si(total(filas) <= OBJETIVOS.carpeta)} |`);
console.log(`| Navigation → prayer box painted (ms, ${veces} runs each) | ${resumen(nav.pagina)} | ${resumen(nav.referencia)} | ${razon.toFixed(2)}× | ≤ 1.5× ${si(razon <= OBJETIVOS.oracion)} |`);
console.log(`| "?" → answer painted (ms, ${teclas.pagina.length} keys each) | ${resumen(teclas.pagina)}, p95 ${percentil(teclas.pagina, 0.95).toFixed(1)} | ${resumen(teclas.referencia)}, p95 ${percentil(teclas.referencia, 0.95).toFixed(1)} | p95 +${p95.toFixed(1)} ms | ≤ +16.7 ms ${si(p95 <= OBJETIVOS.tecla)} |`);
console.log(`| Suspense: final reply against 43 × 200 ms (ms) | ${suspenso.map((d) => (d >= 0 ? '+' : '') + d.toFixed(1)).join(' / ')} | 8600 | | ± 10 ms ${si(suspenso.every((d) => Math.abs(d) <= OBJETIVOS.suspenso))} |`);
if (!iguales) {
  console.error('the two pages did not show the same answers');
  process.exitCode = 1;
}
