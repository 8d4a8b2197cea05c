#pragma once

// The embedded browser's command-line flags: as root Chromium refuses to start inside its
// sandbox, so unless the user chose browser flags the sandbox is switched off. Cheap: the
// program sets them at its start, long before the engine loads.
void PrepareBrowserFlags();

// Prepares the embedded browser before the application object exists, for a program that
// links the engine: the flags, and the browser shares the application's OpenGL contexts.
void PrepareWebEngine();
