#include "folium_doc.h"

#include "app/app_names.h"

void CFoliumDoc::SetTitle(const char* title) {
  (void)title;
  CDocument::SetTitle(kDocumentTitle);
}
