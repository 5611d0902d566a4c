// The little the program's C++ cannot do from WebAssembly itself: listen to an
// element (the listener hands the event to C++ at once), run the queued
// actions in a call that Asyncify may suspend, and give a message box a promise
// that settles with the button pressed.
//
// While a queued action waits in a message box, no event reaches C++: the box
// is modal, so nothing of the page but the box takes events then, and a call
// into the program at that moment would be taken for the end of the wait.
// Timers go on ticking meanwhile, as on the desktop.
let despachando = false;
let enEspera = false;

Module['escuchar'] = (el, tipo, n, captura) =>
  el.addEventListener(tipo, (e) => enEspera || Module['alEvento'](n, e), captura);

Module['despertar'] = () => {
  if (despachando) return;
  despachando = true;
  queueMicrotask(async () => {
    do {
      const corrida = Module['ccall']('auguron_despachar', null, [], [], { async: true });
      enEspera = true;
      await corrida;
      enEspera = false;
    } while (Module['_auguron_pendientes']());
    despachando = false;
  });
};

// Each button of the box carries the answer it gives in data-boton; Escape
// gives `alCancelar`, or nothing when the box cannot be dismissed (-1).
Module['esperarBoton'] = (caja, alCancelar) =>
  new Promise((fin) => {
    caja.querySelectorAll('button').forEach((b) => b.addEventListener('click', () => fin(Number(b.dataset.boton))));
    caja.addEventListener('cancel', (e) => {
      e.preventDefault();
      if (alCancelar >= 0) fin(alCancelar);
    });
  });
