#pragma once

#include <windows.h>

#include <cstddef>
#include <list>

#include "framework/gdi_holders.h"

// The screen's pages rendered onto white at their page rectangle's size, so that repainting
// and scrolling copy bitmaps instead of playing metafiles again. A page is known by its
// metafile, size and the part of its frame it is drawn from (trimmed margins); the owner clears the cache whenever the page list, layout, zoom or
// settings change. A page is rendered for keeping only when it is drawn a second time at
// one size, so stepping through zooms allocates nothing. At most kMaxEntries pages of
// kMaxPixels pixels in all are kept; the least recently drawn goes first, but never one
// drawn for the sheet being drawn.
class CPageBitmapCache {
 public:
  // A whole 16-up sheet; 12 Mpx are 48 MB at 32 bits per pixel.
  static constexpr std::size_t kMaxEntries = 16;
  static constexpr long long kMaxPixels = 12LL * 1024 * 1024;

  CPageBitmapCache() = default;
  CPageBitmapCache(const CPageBitmapCache&) = delete;
  CPageBitmapCache& operator=(const CPageBitmapCache&) = delete;

  // Starts drawing a sheet: the pages drawn from now on stay until the next sheet.
  void BeginSheet() { ++m_sheet; }
  // Shows the metafile played into `played` on dc, inside `page`, exactly as playing it
  // there onto white, clipped to `page`, would.
  void Draw(HDC dc, HENHMETAFILE metafile, const RECT& page, const RECT& played);
  void Clear();

  // Pages kept as bitmaps, and their pixels.
  std::size_t size() const { return m_entries.size(); }
  long long pixels() const;

 private:
  struct Key {
    HENHMETAFILE metafile;
    SIZE size;
    // Where the metafile is played, from the page's top-left.
    RECT played;
    bool operator==(const Key& other) const {
      return metafile == other.metafile && size.cx == other.size.cx && size.cy == other.size.cy &&
             EqualRect(&played, &other.played);
    }
  };
  struct Entry {
    Entry(const Key& page, unsigned drawnFor, HBITMAP rendered)
        : key(page), sheet(drawnFor), bitmap(rendered) {}
    Key key;
    unsigned sheet;
    CGdiObject<HBITMAP> bitmap;
  };

  const Entry* Find(const Key& key);
  // Whether the page was drawn once before without being kept; remembers it if not.
  bool SeenBefore(const Key& key);
  // Makes room for `pixels` more; false when only entries of this sheet could go.
  bool MakeRoom(long long pixels);
  const Entry* Render(HDC dc, const Key& key);
  static bool Blit(HDC dc, const RECT& page, const Entry& entry);

  // Most recently drawn first.
  std::list<Entry> m_entries;
  // Pages drawn once and not kept, most recent first, as many as entries may be kept.
  std::list<Key> m_seen;
  unsigned m_sheet = 0;
};
