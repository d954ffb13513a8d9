#pragma once

// The print preview's own texts: its bar's buttons and its status-bar message.
constexpr char kPreviewPrint[] = "&Print...";
constexpr char kPreviewNextPage[] = "&Next Page";
constexpr char kPreviewPrevPage[] = "Pre&v Page";
constexpr char kPreviewOnePage[] = "&One Page";
constexpr char kPreviewTwoPage[] = "&Two Page";
constexpr char kPreviewZoomIn[] = "Zoom &In";
constexpr char kPreviewZoomOut[] = "Zoom &Out";
constexpr char kPreviewClose[] = "&Close";
constexpr char kPreviewPageFormat[] = "Page %u";
constexpr char kPreviewPagesFormat[] = "Pages %u-%u";
