#pragma once

// The view's own messages.
constexpr char kDeletePageQuestion[] = "Are you sure to delete this page?";

// The status pane of the current sheet's smallest text, in points on paper, and below the
// readable size.
constexpr char kSmallestTextFormat[] = "Smallest text %.1f pt";
constexpr char kSmallTextFormat[] = "Smallest text %.1f pt, hard to read";
constexpr char kSmallTextTip[] =
    "Text below 6 pt is hard to read on paper: put fewer pages on a sheet, or trim margins.";
// The message pane with blank pages left out: pages shown, pages left out.
constexpr char kBlankLeftOutFormat[] = "%d pages, %d blank left out";
// What "Most Pages, Still Readable" chose: pages a sheet and the smallest text then.
constexpr char kReadableChoiceFormat[] = "%d pages a sheet: the smallest text stays readable";
constexpr char kReadableOnePageText[] = "1 page a sheet: the smallest text stays readable";
constexpr char kUnreadableChoiceFormat[] =
    "%d page a sheet: even so some text is below 6 pt";
