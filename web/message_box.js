// The procedures' message box: modal over the whole page, one OK button, read out as an alert.
// It resolves when the person has closed it, by OK, Enter, Space or Escape.
export function showMessageBox({ name, text, explanation }) {
  const dialog = document.getElementById(name);
  dialog.querySelector('.message').textContent = text;
  const more = dialog.querySelector('.explanation');
  if (more) more.textContent = explanation;
  return new Promise((resolve) => {
    dialog.addEventListener('close', () => resolve(), { once: true });
    dialog.showModal();
    dialog.querySelector('.ok').focus();
  });
}

for (const dialog of document.querySelectorAll('dialog')) {
  dialog.querySelector('.ok').addEventListener('click', () => dialog.close());
}
