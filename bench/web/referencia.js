// The reference page's only script: what the page visibly does, done in
// JavaScript with no logic. The prayer and welcome boxes, then the main window;
// keys are drawn into the boxes, ":" opens the question box, and "?" shows
// the next answer of window.respuestas (the ones the page gave) and locks the
// boxes, as the page's reveal does.
(() => {
  const $ = (id) => document.getElementById(id);
  const caja = document.querySelector('dialog');
  const ventana = $('frmVelmo');
  const pasos = [['Oración', null], ['Buscando vagulantes...', ['Bienvenido al Sistema Interactivo de Vagulantes.', '- A propósito, mi nombre es Velmo...']]];
  let paso = 0;
  const abrir = () => {
    const [titulo, lineas] = pasos[paso];
    caja.querySelector('.titulo').textContent = titulo;
    if (lineas) {
      caja.querySelector('.cuerpo').replaceChildren(...lineas.map((l) => Object.assign(document.createElement('p'), { textContent: l })));
      caja.querySelectorAll('button').forEach((b, i) => { if (i) b.remove(); });
    }
    caja.showModal();
  };
  caja.addEventListener('click', (e) => {
    if (e.target.tagName !== 'BUTTON') return;
    caja.close();
    if (++paso < pasos.length) return abrir();
    ventana.hidden = false;
    $('txtPeticion-entrada').focus();
  });
  abrir();

  let n = 0;
  const bloquear = (id, si) => { $(id + '-entrada').disabled = si; $(id).classList.toggle('deshabilitada', si); };
  window.reiniciar = () => {
    for (const id of ['txtPeticion', 'txtPregunta']) $(id + '-texto').textContent = '';
    $('lblRespuesta').textContent = '';
    bloquear('txtPeticion', false);
    bloquear('txtPregunta', true);
    $('txtPregunta').classList.add('gris');
    $('txtPeticion-entrada').focus();
  };
  for (const id of ['txtPeticion', 'txtPregunta']) {
    $(id + '-entrada').addEventListener('keydown', (e) => {
      if (e.key.length !== 1) return;
      e.preventDefault();
      $(id + '-texto').textContent += e.key;
      if (e.key === ':' && id === 'txtPeticion') {
        bloquear('txtPregunta', false);
        $('txtPregunta').classList.remove('gris');
        $('txtPregunta-entrada').focus();
      } else if (e.key === '?' && id === 'txtPregunta') {
        $('lblRespuesta').textContent = (window.respuestas ?? [])[n++] ?? 'Velmo responde: …';
        $('cmdFocus').focus();
        bloquear('txtPeticion', true);
        bloquear('txtPregunta', true);
      }
    });
  }
  $('cmdNuevaPregunta').addEventListener('click', window.reiniciar);
})();
