namespace nv {
int runSetupWindow() { return 0; }
}  // namespace nv
