#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "pdf_syntax.h"

// What one page's content refers to by name, and the objects written with the page.
class PageResources {
 public:
  // `allocate(count)` reserves `count` consecutive object numbers and returns the first.
  explicit PageResources(std::function<std::uint32_t(std::uint32_t)> allocate) : m_allocate(std::move(allocate)) {}

  std::uint32_t Allocate(std::uint32_t count) { return m_allocate(count); }
  // Names for objects: /F1 for a font, /Im1 for an image, /P1 for a pattern.
  std::string Font(std::uint32_t object) { return Name(m_fonts, "F", object); }
  std::string Image(std::uint32_t object) { return Name(m_images, "Im", object); }
  std::string Pattern(std::uint32_t object) { return Name(m_patterns, "P", object); }
  // An object to write with the page.
  void Add(PdfObject object) { m_objects.push_back(std::move(object)); }

  std::vector<PdfObject>& Objects() { return m_objects; }
  // The page's /Resources dictionary.
  std::string Dictionary() const;

 private:
  static std::string Name(std::map<std::uint32_t, std::string>& names, const char* prefix, std::uint32_t object);

  std::function<std::uint32_t(std::uint32_t)> m_allocate;
  std::map<std::uint32_t, std::string> m_fonts, m_images, m_patterns;
  std::vector<PdfObject> m_objects;
};
