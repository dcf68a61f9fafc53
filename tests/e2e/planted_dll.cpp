// A DLL planted beside the exe under the name of a system DLL the clock
// loads, exporting the functions the clock looks up there (planted_dll.def).
// It must never be loaded; should it be, every function fails.
extern "C" __declspec(dllexport) long Planted() {
  return -1;
}
