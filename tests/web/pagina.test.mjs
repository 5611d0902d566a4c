// The page as a person plays it, in Debian's Chromium: keys typed one by one,
// text from a phone's keyboard, the windows, the end of the game, offline.
// The logic itself is tested by the unit tests; here, that the page hands it
// every key and shows what it answers, as the desktop window does.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { servir, navegador } from './apoyo.mjs';

const aqui = path.dirname(fileURLToPath(import.meta.url));
const SITIO = process.env.AUGURON_SITIO ?? path.join(aqui, '../../build/web/sitio');
const AXE = path.join(aqui, '../../node_modules/axe-core/axe.min.js');
const PETICION = 'Velmo, favor de responder:';
// The approved transcript: question -> [seed, label], as the desktop's logic answers on 6 December 2026 at 12:00.
const TRANSCRIPCION = new Map(fs.readFileSync(path.join(aqui, '../datos/respuestas.tsv'), 'utf8').split('\n')
  .filter((l) => l && !l.startsWith('#')).map((l) => l.split('\t')).map(([q, s, , r]) => [q, [s, r]]));

let sitio;
let chromium;
const pedidos = new Set();
before(async () => { sitio = await servir(path.resolve(SITIO)); chromium = await navegador(); });
after(async () => { await chromium?.close(); await sitio?.cerrar(); });

// A fresh page; with a seed, the clock held at the transcript's noon. `orar`: through the prayer and welcome.
async function abrir({ ancho = 1280, alto = 800, movil = false, semilla, orar = true, trabajadores = 'block' } = {}) {
  const contexto = await chromium.newContext({ viewport: { width: ancho, height: alto }, isMobile: movil,
    hasTouch: movil, locale: 'es-ES', serviceWorkers: trabajadores });
  const p = await contexto.newPage();
  p.errores = [];
  p.on('pageerror', (e) => p.errores.push(e.message));
  p.on('request', (r) => pedidos.add(r.url()));
  if (semilla !== undefined) await p.clock.setFixedTime(new Date('2026-12-06T12:00:00'));
  await p.goto(sitio.url + (semilla !== undefined ? `?semilla=${semilla}` : ''));
  if (orar) {
    await responder(p, 'Oración', 'Aceptar');
    await responder(p, 'Buscando vagulantes...', 'Aceptar');
    await p.waitForSelector('#frmVelmo:not([hidden])');
  }
  return p;
}

// The open message box: its title, its lines, its buttons; answered with `boton` when given.
async function responder(p, titulo, boton) {
  await p.waitForFunction((t) => document.querySelector('dialog[open] .titulo')?.textContent === t, titulo);
  const caja = await p.evaluate(() => ({
    lineas: [...document.querySelectorAll('dialog[open] p')].map((l) => l.textContent),
    botones: [...document.querySelectorAll('dialog[open] button')].map((b) => b.textContent),
    foco: document.activeElement.textContent,
  }));
  if (boton) await p.click(`dialog[open] button:text-is("${boton}")`);
  return caja;
}

const escribir = (p, teclas, demora = 1) => p.keyboard.type(teclas, { delay: demora });
const texto = (p, selector) => p.$eval(selector, (e) => e.textContent);
const respuesta = (p) => texto(p, '#lblRespuesta');
// Every text the petition box has shown, from now on.
const vigilar = (p) => p.evaluate(() => {
  window.vistos = [];
  new MutationObserver(() => window.vistos.push(document.querySelector('#txtPeticion-texto').textContent))
    .observe(document.querySelector('#txtPeticion-texto'), { childList: true, characterData: true, subtree: true });
});
const vistos = (p) => p.evaluate(() => window.vistos);
async function cerrar(p) {
  assert.deepEqual(p.errores, []);
  await p.context().close();
}

test('la oración abre el juego, o lo termina sin mostrar la ventana; Ctrl+X lo termina', async () => {
  for (const [respuestaOracion, juega] of [['Aceptar', true], ['Cancelar', false], ['Escape', false]]) {
    const p = await abrir({ orar: false });
    assert.equal(await p.title(), 'Auguron - Sistema Interactivo de Vagulantes');
    assert.equal(await p.getAttribute('html', 'lang'), 'es');
    assert.deepEqual(await responder(p, 'Oración', respuestaOracion === 'Escape' ? undefined : respuestaOracion), {
      lineas: ['Tómense de manos y repitan al unísono esto:', 'Laudate omnes gentes laudate, Magnificat en secula',
        'Et anima mea laudate, Magnificat en secula'],
      botones: ['Aceptar', 'Cancelar'], foco: 'Aceptar' });
    if (respuestaOracion === 'Escape') await p.keyboard.press('Escape');
    if (juega) {
      assert.deepEqual((await responder(p, 'Buscando vagulantes...', 'Aceptar')).lineas,
        ['Bienvenido al Sistema Interactivo de Vagulantes.', '- A propósito, mi nombre es Velmo...']);
      await p.waitForFunction(() => document.activeElement.id === 'txtPeticion-entrada');
      assert.deepEqual(await p.$eval('#frmVelmo .cliente', (c) => [c.clientWidth, c.clientHeight]), [792, 546]);
      assert.equal(await texto(p, '#lblInfo'), 'Buscando Vagulantes...');
      assert.equal(await p.isDisabled('#txtPregunta-entrada'), true);
      await p.keyboard.press('Control+X'); // Salir, from the petition box: the browser's cut gives way
    }
    await p.waitForSelector('#fin:not([hidden])');
    assert.match(await texto(p, '#fin'), /recarga la página/);
    assert.equal(await p.isHidden('#frmVelmo'), true);
    await cerrar(p);
  }
});

test('la respuesta oculta, tecla a tecla: la caja sólo muestra la frase', async () => {
  for (const [teclas, demora, oculta] of [
    ['.sí.o, favor de responder:', 1, 'Sí.'],
    ['.sí.o, favor de responder:', 100, 'Sí.'],
    ['.si' + 'mo, favor de responder:', 1, 'Si.'],
    ['.no' + 'mo, favor de responder:', 100, 'No.'],
    ['.sí😀.o, favor de responder:', 1, 'Sí.'], // a character outside the code page gives no key
  ]) {
    const p = await abrir();
    await vigilar(p);
    await escribir(p, teclas, demora);
    await p.waitForFunction(() => document.activeElement.id === 'txtPregunta-entrada');
    for (const visto of await vistos(p)) assert.ok(PETICION.startsWith(visto), `${teclas}: the box showed "${visto}"`);
    assert.equal(await texto(p, '#txtPeticion-texto'), PETICION);
    // Enter asks the question as "?" does, and the box shows the "?".
    await escribir(p, 'me irá bien en el examen' + (demora === 1 ? '\n' : '?'), demora);
    assert.equal(await respuesta(p), 'Velmo responde: ' + oculta);
    assert.equal(await texto(p, '#txtPregunta-texto'), 'Me irá bien en el examen?');
    // After the answer the focus rests on the hidden button, read as the answer, then on Nueva Pregunta.
    await p.waitForFunction(() => document.activeElement.id === 'cmdFocus');
    assert.equal(await p.getAttribute('#cmdFocus', 'aria-label'), 'Velmo responde: ' + oculta);
    await p.waitForFunction(() => document.activeElement.id === 'cmdNuevaPregunta', null, { timeout: 4000 });
    await cerrar(p);
  }
});

test('cada pregunta recibe lo que la transcripción aprobada dice', async () => {
  for (const pregunta of ['¿Tendré suerte?', '¿Qué hora es?', '¿Me va a llamar?', '¿Voy a aprobar el examen?']) {
    const [semilla, esperada] = TRANSCRIPCION.get(pregunta);
    const p = await abrir({ semilla });
    await escribir(p, PETICION + pregunta.replace(/\?$/, '') + '?');
    assert.equal(await respuesta(p), esperada, pregunta);
    assert.equal(await texto(p, '#anuncio'), esperada, 'the answer is read out once it is there');
    await cerrar(p);
  }
});

test('el suspenso crece punto a punto, también tras una caja, y su respuesta final llega a los 8,6 s', async () => {
  const p = await abrir();
  await p.evaluate(() => {
    window.cambios = [];
    const anotar = (id) => new MutationObserver(() => window.cambios.push([id, performance.now(),
      document.getElementById(id).textContent])).observe(document.getElementById(id), { childList: true, subtree: true, characterData: true });
    anotar('lblRespuesta');
    anotar('anuncio');
  });
  await escribir(p, PETICION + 'cual es el sentido de la vida?');
  // The timers tick on while a box is open, and the focus the answer's timer
  // moves meanwhile is where the window has it once the box closes.
  await p.keyboard.press('F3');
  await p.waitForTimeout(2500);
  await responder(p, 'Oración', 'Cancelar');
  await p.waitForFunction(() => document.activeElement.id === 'cmdNuevaPregunta');
  await p.waitForFunction(() => document.getElementById('anuncio').textContent !== '', null, { timeout: 12000 });
  const cambios = await p.evaluate(() => window.cambios);
  const [, inicio, primera] = cambios[0];
  const etiqueta = cambios.filter(([id]) => id === 'lblRespuesta');
  const [, fin, final] = etiqueta.at(-1);
  assert.ok(Math.abs(fin - inicio - 8600) <= 10, `the final reply came after ${fin - inicio} ms`);
  assert.equal(etiqueta[40][2], primera + '.'.repeat(40));
  assert.equal(etiqueta[41][2], 'Velmo responde: ');
  assert.deepEqual(cambios.filter(([id]) => id === 'anuncio').map((c) => c[2]), [final], 'read out once, the final reply');
  await cerrar(p);
});

test('estadísticas, el logo, la ayuda y «Acerca de», por teclado y menú', async () => {
  const p = await abrir();
  await escribir(p, PETICION + 'estadísticas?');
  await p.waitForSelector('#frmEstadisticas:not([hidden])');
  assert.deepEqual(await p.$$eval('#frmEstadisticas .etiqueta', (l) => l.map((e) => e.textContent)), [
    'Preguntas con truco:', ' 0', 'Preguntas frecuentes:', ' 0', 'Preguntas mal formuladas:', ' 0',
    'Otras preguntas:', ' 0', 'Total de preguntas:', ' 0']);
  assert.equal(await p.isDisabled('#cmdNuevaPregunta'), true);
  await p.keyboard.press('Escape'); // as its Aceptar
  await p.waitForFunction(() => document.activeElement.id === 'cmdNuevaPregunta');
  for (const [tecla, visible, rotulo] of [['F4', true, 'Ocultar Imagen'], ['F4', false, 'Ver Imagen']]) {
    await p.keyboard.press(tecla);
    await p.waitForFunction((v) => !document.getElementById('pctLogo').hidden === v, visible);
    assert.equal(await texto(p, '#mnuVerImagen .rotulo'), rotulo);
  }
  await p.keyboard.press('F4');
  await p.waitForFunction(() => document.getElementById('pctLogo').naturalWidth === 65);
  await p.keyboard.press('F3');
  assert.deepEqual((await responder(p, 'Oración', 'Cancelar')).lineas, ['Tomarse de manos y repetir al unísono:',
    'Laudate omnes gentes laudate, Magnificat en secula', 'Et anima mea laudate, Magnificat en secula']);
  await p.keyboard.press('F1');
  await p.keyboard.press('F1'); // one window, brought to the front
  assert.equal(await p.locator('#frmTemas').count(), 1);
  assert.equal(await texto(p, '#frmTemas [data-nombre=Label3]'), 'Velmo, favor de responder esta pregunta:');
  await p.keyboard.press('Escape');
  await p.keyboard.press('F10'); // the menus from the keyboard
  for (const tecla of ['ArrowRight', 'End', 'Enter']) await p.keyboard.press(tecla);
  await p.waitForSelector('#frmAcerca:not([hidden])');
  assert.equal(await texto(p, '#frmAcerca [data-nombre=Label1]'), 'Auguron Versión 2.0.1 para Chromium');
  await p.waitForFunction(() => document.querySelector('#frmAcerca [data-nombre=Picture1]').naturalWidth === 65);
  await p.keyboard.press('Alt+c'); // its Cerrar
  await p.waitForSelector('#frmAcerca', { state: 'hidden' });
  await cerrar(p);
});

test('nada se pega, se suelta ni se elige de un menú en las cajas', async () => {
  const p = await abrir();
  await p.context().grantPermissions(['clipboard-read', 'clipboard-write']);
  await p.evaluate(() => navigator.clipboard.writeText('pegado'));
  await escribir(p, 'Vel');
  await p.keyboard.press('Control+V');
  await p.keyboard.press('Shift+Insert');
  await p.dispatchEvent('#txtPeticion-entrada', 'drop', { dataTransfer: await p.evaluateHandle(() => {
    const d = new DataTransfer(); d.setData('text/plain', 'soltado'); return d; }) });
  const menu = await p.evaluate(() => {
    const e = new MouseEvent('contextmenu', { bubbles: true, cancelable: true });
    return !document.getElementById('txtPeticion-entrada').dispatchEvent(e);
  });
  assert.equal(menu, true, 'the context menu is refused');
  assert.equal(await texto(p, '#txtPeticion-texto'), 'Vel');
  assert.equal(await p.inputValue('#txtPeticion-entrada'), ' ', 'a blank, for a phone\'s Backspace to delete');
  for (const [a, v] of [['autocomplete', 'off'], ['autocorrect', 'off'], ['autocapitalize', 'off'], ['spellcheck', 'false']]) {
    assert.equal(await p.getAttribute('#txtPeticion-entrada', a), v);
  }
  await cerrar(p);
});

test('un teclado de teléfono: palabras enteras, composiciones y correcciones', async () => {
  const p = await abrir({ ancho: 390, alto: 844, movil: true });
  const cdp = await p.context().newCDPSession(p);
  const componer = (t) => cdp.send('Input.imeSetComposition', { text: t, selectionStart: t.length, selectionEnd: t.length });
  const insertar = (t) => cdp.send('Input.insertText', { text: t });
  await p.tap('#txtPeticion-entrada');
  await vigilar(p);
  await insertar('.');
  for (const t of ['s', 'sl', 's']) await componer(t); // a slip, corrected inside the word
  await insertar('s');
  await cdp.send('Input.dispatchKeyEvent', { type: 'keyDown', key: 'Dead', code: 'Quote', windowsVirtualKeyCode: 222 });
  await componer('´'); // a dead key, then its vowel
  await insertar('í');
  await insertar('mo, favor de responder:');
  for (const visto of await vistos(p)) assert.ok(PETICION.startsWith(visto), `the box showed "${visto}"`);
  await insertar('me ira bien?');
  assert.equal(await respuesta(p), 'Velmo responde: Sí.');
  // A phone's layout: boxes the width of the screen, text too large to be zoomed into.
  const caja = await p.$eval('#txtPeticion', (c) => [c.getBoundingClientRect().width, parseFloat(getComputedStyle(
    c.querySelector('input')).fontSize)]);
  assert.ok(caja[0] >= 340 && caja[1] >= 16, `box ${caja}`);
  await cerrar(p);
});

test('Nueva Pregunta limpia, y el «No» del espíritu termina el juego', async () => {
  const p = await abrir({ semilla: 3 });
  for (let i = 0; i < 5; i++) {
    await p.keyboard.press('F2');
    await escribir(p, PETICION + 'esto es una pregunta?');
  }
  await p.keyboard.press('Alt+n'); // Nueva Pregunta by its access key
  assert.deepEqual([await texto(p, '#txtPeticion-texto'), await texto(p, '#txtPregunta-texto'), await respuesta(p)], ['', '', '']);
  await p.waitForFunction(() => document.activeElement.id === 'txtPeticion-entrada');
  let pregunta;
  for (let i = 0; i < 200 && !pregunta; i++) {
    await p.keyboard.press('F2');
    pregunta = await p.$('dialog[open]');
  }
  assert.deepEqual((await responder(p, 'Velmo pregunta:', 'No')).botones, ['Sí', 'No']);
  await responder(p, 'No creo', 'Aceptar');
  await p.waitForSelector('#fin:not([hidden])');
  assert.equal(await p.isHidden('#frmVelmo'), true);
  await cerrar(p);
});

test('abre sin red después de la primera visita', async () => {
  const p = await abrir({ trabajadores: 'allow', orar: false });
  await p.evaluate(() => navigator.serviceWorker.ready);
  await p.context().setOffline(true);
  await p.reload();
  await responder(p, 'Oración', 'Aceptar');
  await cerrar(p);
});

test('cada ventana pasa axe-core, salvo el contraste de los colores propios de la ventana', async () => {
  const p = await abrir({ orar: false });
  const revisar = async (donde) => {
    await p.addScriptTag({ path: AXE });
    const faltas = await p.evaluate(async () => (await axe.run(document)).violations.flatMap((v) =>
      v.nodes.map((n) => `${v.id}: ${n.target.join(' ')}`)));
    // The status line's grey and the help window's red line are the window's own colours.
    const propias = /^color-contrast: (#lblInfo|div\[data-nombre="Label12"\])$/;
    assert.deepEqual(faltas.filter((f) => !propias.test(f)), [], donde);
  };
  await revisar('the prayer');
  await responder(p, 'Oración', 'Aceptar');
  await responder(p, 'Buscando vagulantes...', 'Aceptar');
  await escribir(p, PETICION + 'estadísticas?');
  await revisar('the main window and statistics');
  await p.keyboard.press('Escape');
  await p.keyboard.press('F1');
  await p.keyboard.press('F4');
  await p.waitForSelector('#frmTemas:not([hidden])');
  await revisar('the main window and help');
  await p.keyboard.press('Escape');
  await p.click('#mnuAyuda');
  await p.click('#mnuAcerca');
  await revisar('the about window');
  await cerrar(p);
});

test('ningún pedido sale de su propio origen', () => {
  const ajenos = [...pedidos].filter((u) => !u.startsWith(sitio.url));
  assert.ok(pedidos.size > 0);
  assert.deepEqual(ajenos, []);
});
