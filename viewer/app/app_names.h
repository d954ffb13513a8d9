#pragma once

// The application title: caption of the viewer's own message boxes.
constexpr const char kAppTitle[] = "folium";
