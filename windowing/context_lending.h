#pragma once

struct GLFWwindow;

// Makes window the target of GL drawing with owner's context where the platform lets one context
// draw into another window: the window then needs no compiled programs or renderer state of its
// own, which on a software renderer are several megabytes a monitor. Elsewhere it makes the
// window's own context current, which shares owner's objects.
void makeCurrentWithContextOf(GLFWwindow* window, GLFWwindow* owner);
