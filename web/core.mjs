// The calculators' core, compiled to WebAssembly: its C interface, with texts as UTF-8 and
// answers as JSON.
import createCore from './core.js';

export async function loadCore() {
  // Awaited here: the glue would wait for ever on a module whose fetch failed.
  const wasm = await fetch('core.wasm');
  const module = await createCore({
    instantiateWasm(imports, ready) {
      const instantiated = WebAssembly.instantiateStreaming
        ? WebAssembly.instantiateStreaming(wasm, imports)
        : wasm.arrayBuffer().then((bytes) => WebAssembly.instantiate(bytes, imports));
      instantiated.then((result) => ready(result.instance));
      return {};
    },
  });
  const answer = (pointer) => JSON.parse(module.UTF8ToString(pointer));
  // Strings go through the heap, not the stack: a pasted text may be long.
  const withText = (texts, call) => {
    const pointers = texts.map((text) => {
      const size = module.lengthBytesUTF8(text) + 1;
      const pointer = module._malloc(size);
      module.stringToUTF8(text, pointer, size);
      return pointer;
    });
    try {
      return call(...pointers);
    } finally {
      pointers.forEach((pointer) => module._free(pointer));
    }
  };
  return {
    open: (window) => answer(module._quillmark_open(window)),
    setText: (window, box, text) =>
      withText([box, text], (boxName, value) => module._quillmark_set_text(window, boxName, value)),
    solve: (window, focused) => withText([focused], (name) => answer(module._quillmark_solve(window, name))),
    clear: (window, focused) => withText([focused], (name) => answer(module._quillmark_clear(window, name))),
    end: () => module._quillmark_end(),
  };
}
