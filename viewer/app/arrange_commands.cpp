// The application's arranging switches: printing on both sides and how the printer
// stacks its sheets (kept in the profile), and gathering new jobs (for this session).
#include "arrange_names.h"
#include "folium_app.h"
#include "resource.h"

bool CFoliumApp::ProfileSwitch(const char* entry) const {
  return Profile().GetInt(kArrangeSection, entry, 0) != 0;
}

void CFoliumApp::FlipProfileSwitch(const char* entry) {
  Profile().WriteInt(kArrangeSection, entry, ProfileSwitch(entry) ? 0 : 1);
}

TwoSidedPrinting CFoliumApp::TwoSidedChoice(bool booklet, bool landscape) const {
  TwoSidedPrinting choice;
  // A booklet is only a booklet when its sheets are printed on both sides.
  choice.bothSides = booklet || ProfileSwitch(kBothSidesEntry);
  choice.shortEdge = landscape;
  choice.faceUp = ProfileSwitch(kFaceUpEntry);
  return choice;
}

void CFoliumApp::OnPrintBothSides() { FlipProfileSwitch(kBothSidesEntry); }

void CFoliumApp::OnUpdatePrintBothSides(CCmdUI* ui) {
  ui->Enable(true);
  ui->SetCheck(ProfileSwitch(kBothSidesEntry));
}

void CFoliumApp::OnOutputFaceUp() { FlipProfileSwitch(kFaceUpEntry); }

void CFoliumApp::OnUpdateOutputFaceUp(CCmdUI* ui) {
  ui->Enable(true);
  ui->SetCheck(ProfileSwitch(kFaceUpEntry));
}

void CFoliumApp::OnGatherJobs() { m_gatherJobs = !m_gatherJobs; }

void CFoliumApp::OnUpdateGatherJobs(CCmdUI* ui) {
  ui->Enable(true);
  ui->SetCheck(m_gatherJobs);
}
