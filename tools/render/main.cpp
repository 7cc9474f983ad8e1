// SPDX-License-Identifier: MIT
// TODO: the renderer's options; for now it only builds.
int main() { return 0; }
