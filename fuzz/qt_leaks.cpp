// Linked into the fuzzers that lay out text: the font configuration library keeps a few blocks for
// good when text is first laid out, which the leak check at the end of a run would report.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }
