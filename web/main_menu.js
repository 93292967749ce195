// The main menu: a window of buttons, one per calculator, beside a picture of a distribution
// board. The build draws it into the page, so that a first visit shows it before any script
// has come; the page takes that one over, and builds it afresh when it is opened again.
import { PageWindow } from './page_window.js';

function picture(layouts) {
  const image = document.createElement('img');
  Object.assign(image, {
    src: 'images/distribution-board.webp',
    srcset: 'images/distribution-board.webp 1x, images/distribution-board@2x.webp 2x',
    width: 400,
    height: 311,
    alt: layouts.pictureDescription,
    decoding: 'sync',
  });
  image.setAttribute('fetchpriority', 'high');
  return image;
}

export class MainMenu extends PageWindow {
  constructor(layouts, onClose, drawn = null) {
    super(layouts.windows[0], layouts, onClose, drawn);
    if (!drawn) this.control('Picture1').append(picture(layouts));
  }
}
