#include "folium_app.h"

// The one application object, made before WinMain runs.
CFoliumApp theApp;
