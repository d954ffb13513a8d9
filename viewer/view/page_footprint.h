#pragma once

#include <windows.h>

// Where playing the metafile into `page` can change pixels: the page rectangle joined with
// the picture's recorded bounds mapped the way the player maps its frame, widened by a
// margin for pictures whose recorded bounds fall a little short. Nothing clips a page to
// its rectangle, so a page may reach into its neighbours.
RECT PageFootprint(HENHMETAFILE metafile, const RECT& page);

// Whether the picture's recorded bounds lie inside its frame, so that playing it into a
// page rectangle changes no pixel outside that rectangle. True for no metafile.
bool DrawsInsideFrame(HENHMETAFILE metafile);
