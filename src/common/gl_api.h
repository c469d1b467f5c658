// The OpenGL 1.1 and GLU declarations the portable core draws with.
//
// On Windows the system's gl.h wants the calling-convention macros that
// <windows.h> defines; defining the three it needs here keeps the core free
// of any platform header.
#pragma once

#if defined(_WIN32)
#ifndef APIENTRY
#define APIENTRY __stdcall
#endif
#ifndef WINGDIAPI
#define WINGDIAPI __declspec(dllimport)
#endif
#ifndef CALLBACK
#define CALLBACK __stdcall
#endif
#endif

#include <GL/gl.h>
#include <GL/glu.h>
