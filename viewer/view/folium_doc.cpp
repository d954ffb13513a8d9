#include "folium_doc.h"

#include "app/app_names.h"

std::unique_ptr<CDocument> CFoliumDoc::Make() { return std::make_unique<CFoliumDoc>(); }

void CFoliumDoc::SetTitle(const char* title) {
  (void)title;
  CDocument::SetTitle(kDocumentTitle);
}
