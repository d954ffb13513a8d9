#pragma once

#include <memory>

#include "document.h"

// The viewer's document: it holds no content (the pages live in the application object)
// and always carries the title that the single-instance hand-over looks for.
class CFoliumDoc : public CDocument {
 public:
  static std::unique_ptr<CDocument> Make();

  // Whatever title the framework offers, the document is "Print Preview".
  void SetTitle(const char* title) override;
};
