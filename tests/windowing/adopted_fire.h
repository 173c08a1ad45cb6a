#pragma once

struct GLFWwindow;

// Makes the adopted window's context current, loads the entry points, draws the saver's fire at
// the window's framebuffer size, which must be the lent 152 x 112, and checks the back buffer: the
// flames' hot base at the bottom centre and a dark upper corner. Reading the back buffer proves
// the context draws where a screenshot cannot: Wine shows no GL output of child windows, and other
// tests' windows may cover the lent one on a shared display.
void expectFireDrawnInto(GLFWwindow* window);
