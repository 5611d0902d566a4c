// Photographs the page in headless Chromium, as a player sees it, desktop-sized
// (1280 x 800) and phone-sized (390 x 844, touch): the prayer, the welcome, the
// main window, a hidden answer and its reveal, a frequent topic with the logo,
// the statistics, help and about windows, the menu, and the end of the game.
// The pictures go to docs/capturas/web-escritorio-*.png and web-telefono-*.png.
//
//   cmake --workflow --preset web && node tools/capturas-web.mjs [SITIO] [CARPETA]
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { servir, navegador } from '../tests/web/apoyo.mjs';

const raiz = path.join(path.dirname(fileURLToPath(import.meta.url)), '..');
const sitio = path.resolve(process.argv[2] ?? path.join(raiz, 'build/web/sitio'));
const salida = path.resolve(process.argv[3] ?? path.join(raiz, 'docs/capturas'));

const servidor = await servir(sitio);
const chromium = await navegador();
for (const [forma, vista] of [['escritorio', { width: 1280, height: 800 }], ['telefono', { width: 390, height: 844 }]]) {
  const movil = forma === 'telefono';
  const contexto = await chromium.newContext({ viewport: vista, isMobile: movil, hasTouch: movil, locale: 'es-ES',
    serviceWorkers: 'block' });
  const p = await contexto.newPage();
  await p.clock.setFixedTime(new Date('2026-12-06T21:30:00'));
  const foto = (nombre) => p.screenshot({ path: path.join(salida, `web-${forma}-${nombre}.png`) });
  const caja = async (titulo, nombre) => {
    await p.waitForFunction((t) => document.querySelector('dialog[open] .titulo')?.textContent === t, titulo);
    await foto(nombre);
    await p.keyboard.press('Enter');
  };
  await p.goto(servidor.url + '?semilla=7');
  await caja('Oración', '01-oracion');
  await caja('Buscando vagulantes...', '02-bienvenida');
  await p.waitForSelector('#frmVelmo:not([hidden])');
  await foto('03-ventana-principal');
  await p.keyboard.type('.sí.o, favor de responder:', { delay: 20 });
  await foto('04-peticion');
  await p.keyboard.type('voy a aprobar el examen?', { delay: 20 });
  await foto('05-respuesta-oculta');
  await p.keyboard.press('F2');
  await p.keyboard.type('Velmo, favor de responder:cual es mi numero de la suerte?');
  await p.keyboard.press('F4');
  await p.waitForFunction(() => document.getElementById('pctLogo').naturalWidth > 0);
  await foto('06-tema-frecuente');
  await p.keyboard.press('F2');
  await p.keyboard.type('Velmo, favor de responder:estadísticas?');
  await p.waitForSelector('#frmEstadisticas:not([hidden])');
  await foto('07-estadisticas');
  await p.keyboard.press('Escape');
  await p.keyboard.press('F1');
  await p.waitForSelector('#frmTemas:not([hidden])');
  await foto('08-ayuda');
  await p.keyboard.press('Escape');
  await p.keyboard.press('Alt+y');
  await foto('09-menu-ayuda');
  await p.keyboard.press('End');
  await p.keyboard.press('Enter');
  await p.waitForFunction(() => document.querySelector('#frmAcerca [data-nombre=Picture1]')?.naturalWidth > 0);
  await foto('10-acerca');
  await p.keyboard.press('Escape');
  await p.click('#cmdSalir');
  await p.waitForSelector('#fin:not([hidden])');
  await foto('11-fin');
  await contexto.close();
}
await chromium.close();
await servidor.cerrar();
console.log(`capturas en ${salida}`);
