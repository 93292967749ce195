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
