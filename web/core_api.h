#pragma once

// The C interface the page calls, exported from the WebAssembly module. A window is the
// index of its class in calc::kWindowClasses. Each answer is JSON, valid until the next call.
extern "C" {
const char* quillmark_open(int window);
void quillmark_set_text(int window, const char* box, const char* text);
const char* quillmark_solve(int window, const char* focused);
const char* quillmark_clear(int window, const char* focused);
void quillmark_end();
}
