// The procedures' message box: modal over the whole page, one OK button, read out as an alert.
// It resolves as the person closes it, by OK, Enter, Space or Escape, within that very event:
// a key typed right after it then comes after whatever the box held up.
const settlers = new Map();

export function showMessageBox({ name, text, explanation }) {
  const dialog = document.getElementById(name);
  dialog.querySelector('.message').textContent = text;
  const more = dialog.querySelector('.explanation');
  if (more) more.textContent = explanation;
  return new Promise((resolve) => {
    settlers.set(dialog, resolve);
    dialog.showModal();
    dialog.querySelector('.ok').focus();
  });
}

function settle(dialog) {
  const resolve = settlers.get(dialog);
  settlers.delete(dialog);
  resolve?.();
}

for (const dialog of document.querySelectorAll('dialog')) {
  dialog.querySelector('.ok').addEventListener('click', () => {
    dialog.close();
    settle(dialog);
  });
  dialog.addEventListener('cancel', () => settle(dialog));
  dialog.addEventListener('close', () => settle(dialog));
}
