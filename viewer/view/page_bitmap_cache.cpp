#include "page_bitmap_cache.h"

#include <algorithm>

#include "page_playback.h"

namespace {

long long PixelsOf(SIZE size) { return static_cast<long long>(size.cx) * size.cy; }

}  // namespace

long long CPageBitmapCache::pixels() const {
  long long total = 0;
  for (const Entry& entry : m_entries) total += PixelsOf(entry.key.size);
  return total;
}

void CPageBitmapCache::Clear() {
  m_entries.clear();
  m_seen.clear();
}

const CPageBitmapCache::Entry* CPageBitmapCache::Find(const Key& key) {
  const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                               [&key](const Entry& entry) { return entry.key == key; });
  if (it == m_entries.end()) return nullptr;
  m_entries.splice(m_entries.begin(), m_entries, it);
  it->sheet = m_sheet;
  return &*it;
}

bool CPageBitmapCache::SeenBefore(const Key& key) {
  const auto it = std::find(m_seen.begin(), m_seen.end(), key);
  if (it != m_seen.end()) {
    m_seen.erase(it);
    return true;
  }
  m_seen.push_front(key);
  if (m_seen.size() > kMaxEntries) m_seen.pop_back();
  return false;
}

bool CPageBitmapCache::MakeRoom(long long pixels) {
  if (pixels > kMaxPixels) return false;
  long long kept = this->pixels();
  while (m_entries.size() >= kMaxEntries || kept + pixels > kMaxPixels) {
    if (m_entries.back().sheet == m_sheet) return false;
    kept -= PixelsOf(m_entries.back().key.size);
    m_entries.pop_back();
  }
  return true;
}

const CPageBitmapCache::Entry* CPageBitmapCache::Render(HDC dc, const Key& key) {
  if (!MakeRoom(PixelsOf(key.size))) return nullptr;
  // Compatible with the target, so the page is drawn in the target's own pixel format.
  CGdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc, key.size.cx, key.size.cy));
  CMemoryDC memory(dc);
  if (!bitmap || !memory) return nullptr;
  {
    CScopedSelect selected(memory.get(), bitmap.get());
    if (!selected.selected()) return nullptr;
    const RECT area = {0, 0, key.size.cx, key.size.cy};
    FillRect(memory.get(), &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    PlayPageMetafile(memory.get(), key.metafile, key.played);
  }
  m_entries.emplace_front(key, m_sheet, bitmap.release());
  return &m_entries.front();
}

bool CPageBitmapCache::Blit(HDC dc, const RECT& page, const Entry& entry) {
  CMemoryDC memory(dc);
  if (!memory) return false;
  CScopedSelect selected(memory.get(), entry.bitmap.get());
  return selected.selected() && BitBlt(dc, page.left, page.top, entry.key.size.cx,
                                       entry.key.size.cy, memory.get(), 0, 0, SRCCOPY);
}

void CPageBitmapCache::Draw(HDC dc, HENHMETAFILE metafile, const RECT& page, const RECT& played) {
  RECT relative = played;
  OffsetRect(&relative, -page.left, -page.top);
  const Key key = {metafile, {page.right - page.left, page.bottom - page.top}, relative};
  if (key.size.cx > 0 && key.size.cy > 0) {
    const Entry* entry = Find(key);
    if (!entry && SeenBefore(key)) entry = Render(dc, key);
    if (entry && Blit(dc, page, *entry)) return;
  }
  if (EqualRect(&page, &played)) {
    PlayPageMetafile(dc, metafile, page);
    return;
  }
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, page.left, page.top, page.right, page.bottom);
  PlayPageMetafile(dc, metafile, played);
  RestoreDC(dc, saved);
}
