// The browser's side of the stored colours. A fixed colour is &H00BBGGRR, red in the low byte;
// &H80000000 + n is the system colour n, which the page takes from the browser's own system
// colours where CSS names one (so a person's chosen colours apply), and from the usual
// Windows colours where it does not.
const kSystemColours = [
  '#c8c8c8', // 0 scroll bars
  '#000000', // 1 desktop
  'Highlight', // 2 active title bar
  '#bfcddb', // 3 inactive title bar
  'ButtonFace', // 4 menu background
  'Field', // 5 window background
  '#646464', // 6 window frame
  'ButtonText', // 7 menu text
  'FieldText', // 8 window text
  'HighlightText', // 9 active title text
  '#b4b4b4', // 10 active border
  '#f4f7fc', // 11 inactive border
  '#ababab', // 12 application workspace
  'Highlight', // 13 highlight
  'HighlightText', // 14 highlighted text
  'ButtonFace', // 15 button face
  '#a0a0a0', // 16 button shadow
  'GrayText', // 17 grey text
  'ButtonText', // 18 button text
  '#000000', // 19 inactive title text
  '#ffffff', // 20 button highlight
  '#696969', // 21 dark 3D shadow
  '#e3e3e3', // 22 light 3D
  '#000000', // 23 tooltip text
  '#ffffe1', // 24 tooltip background
];

export function cssColour(colour) {
  if (colour >= 0x80000000) return kSystemColours[colour & 0xff] ?? 'ButtonFace';
  const hex = (shift) => ((colour >> shift) & 0xff).toString(16).padStart(2, '0');
  return `#${hex(0)}${hex(8)}${hex(16)}`;
}

// A caption's colour as the page shows it: the stored one, darkened (or lightened, on a dark
// ground) only as far as a person needs to read it, 4.5:1 against its background, or 3:1
// for large text, where the stored greys and orange on the button face fall short.
export function keepReadable(element) {
  const style = getComputedStyle(element);
  const fore = rgb(style.color);
  const back = rgb(style.backgroundColor);
  if (!fore || !back) return;
  const size = parseFloat(style.fontSize);
  const large = size >= 24 || (size >= 18.66 && Number(style.fontWeight) >= 700);
  const needed = large ? 3 : 4.5;
  const towards = luminance(back) > 0.18 ? [0, 0, 0] : [255, 255, 255];
  let shown = fore;
  for (let step = 1; contrast(shown, back) < needed && step <= 20; ++step) {
    shown = fore.map((channel, i) => Math.round(channel + ((towards[i] - channel) * step) / 20));
  }
  if (shown !== fore) element.style.color = `rgb(${shown.join(' ')})`;
}

function rgb(css) {
  const match = /rgba?\((\d+),? (\d+),? (\d+)(?:,? \/? ?([\d.]+))?\)/.exec(css);
  if (!match || (match[4] !== undefined && Number(match[4]) === 0)) return null;
  return [1, 2, 3].map((i) => Number(match[i]));
}

function luminance(colour) {
  const [r, g, b] = colour.map((channel) => {
    const c = channel / 255;
    return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
  });
  return 0.2126 * r + 0.7152 * g + 0.0722 * b;
}

function contrast(a, b) {
  const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (light + 0.05) / (dark + 0.05);
}
