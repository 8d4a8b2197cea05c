#pragma once

// Prepares the embedded browser before the application object exists: as root Chromium
// refuses to start inside its sandbox, so unless the user chose browser flags the sandbox is
// switched off; and the browser shares the application's OpenGL contexts.
void PrepareWebEngine();
