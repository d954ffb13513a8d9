#pragma once

#include <cstdint>

// Record types and GDI values as enhanced metafiles carry them; this core includes no
// Windows headers.
enum EmfRecordType : std::uint32_t {
  kEmrHeader = 1, kEmrPolyBezier = 2, kEmrPolygon = 3, kEmrPolyline = 4, kEmrPolyBezierTo = 5,
  kEmrPolylineTo = 6, kEmrPolyPolyline = 7, kEmrPolyPolygon = 8, kEmrSetWindowExtEx = 9,
  kEmrSetWindowOrgEx = 10, kEmrSetViewportExtEx = 11, kEmrSetViewportOrgEx = 12,
  kEmrSetBrushOrgEx = 13, kEmrEof = 14, kEmrSetPixelV = 15, kEmrSetMapperFlags = 16,
  kEmrSetMapMode = 17, kEmrSetBkMode = 18, kEmrSetPolyFillMode = 19, kEmrSetRop2 = 20,
  kEmrSetStretchBltMode = 21, kEmrSetTextAlign = 22, kEmrSetColorAdjustment = 23,
  kEmrSetTextColor = 24, kEmrSetBkColor = 25, kEmrOffsetClipRgn = 26, kEmrMoveToEx = 27,
  kEmrSetMetaRgn = 28, kEmrExcludeClipRect = 29, kEmrIntersectClipRect = 30,
  kEmrScaleViewportExtEx = 31, kEmrScaleWindowExtEx = 32, kEmrSaveDc = 33, kEmrRestoreDc = 34,
  kEmrSetWorldTransform = 35, kEmrModifyWorldTransform = 36, kEmrSelectObject = 37,
  kEmrCreatePen = 38, kEmrCreateBrushIndirect = 39, kEmrDeleteObject = 40, kEmrAngleArc = 41,
  kEmrEllipse = 42, kEmrRectangle = 43, kEmrRoundRect = 44, kEmrArc = 45, kEmrChord = 46,
  kEmrPie = 47, kEmrSelectPalette = 48, kEmrCreatePalette = 49, kEmrSetPaletteEntries = 50,
  kEmrResizePalette = 51, kEmrRealizePalette = 52, kEmrExtFloodFill = 53, kEmrLineTo = 54,
  kEmrArcTo = 55, kEmrPolyDraw = 56, kEmrSetArcDirection = 57, kEmrSetMiterLimit = 58,
  kEmrBeginPath = 59, kEmrEndPath = 60, kEmrCloseFigure = 61, kEmrFillPath = 62,
  kEmrStrokeAndFillPath = 63, kEmrStrokePath = 64, kEmrFlattenPath = 65, kEmrWidenPath = 66,
  kEmrSelectClipPath = 67, kEmrAbortPath = 68, kEmrGdiComment = 70, kEmrFillRgn = 71,
  kEmrFrameRgn = 72, kEmrInvertRgn = 73, kEmrPaintRgn = 74, kEmrExtSelectClipRgn = 75,
  kEmrBitBlt = 76, kEmrStretchBlt = 77, kEmrMaskBlt = 78, kEmrPlgBlt = 79,
  kEmrSetDiBitsToDevice = 80, kEmrStretchDiBits = 81, kEmrExtCreateFontIndirectW = 82,
  kEmrExtTextOutA = 83, kEmrExtTextOutW = 84, kEmrPolyBezier16 = 85, kEmrPolygon16 = 86,
  kEmrPolyline16 = 87, kEmrPolyBezierTo16 = 88, kEmrPolylineTo16 = 89, kEmrPolyPolyline16 = 90,
  kEmrPolyPolygon16 = 91, kEmrPolyDraw16 = 92, kEmrCreateMonoBrush = 93,
  kEmrCreateDibPatternBrushPt = 94, kEmrExtCreatePen = 95, kEmrPolyTextOutA = 96,
  kEmrPolyTextOutW = 97, kEmrSetIcmMode = 98, kEmrCreateColorSpace = 99, kEmrSetColorSpace = 100,
  kEmrDeleteColorSpace = 101, kEmrSetIcmProfileA = 112, kEmrSetIcmProfileW = 113,
  kEmrAlphaBlend = 114, kEmrSetLayout = 115, kEmrTransparentBlt = 116, kEmrGradientFill = 118,
  kEmrSetLinkedUfis = 119, kEmrSetTextJustification = 120, kEmrColorMatchToTargetW = 121,
  kEmrCreateColorSpaceW = 122, kEmrColorCorrectPalette = 111, kEmrForceUfiMapping = 109,
};

constexpr std::uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr std::uint32_t kEmfPlusSignature = 0x2B464D45;  // "EMF+" in a comment

enum MapMode { kMmText = 1, kMmLoMetric, kMmHiMetric, kMmLoEnglish, kMmHiEnglish, kMmTwips, kMmIsotropic, kMmAnisotropic };

// Pen styles (low bits), end caps, joins and the geometric flag.
constexpr std::uint32_t kPsStyleMask = 0x0F, kPsSolid = 0, kPsDash = 1, kPsDot = 2, kPsDashDot = 3,
                        kPsDashDotDot = 4, kPsNull = 5, kPsInsideFrame = 6, kPsUserStyle = 7, kPsAlternate = 8;
constexpr std::uint32_t kPsEndCapMask = 0xF00, kPsEndCapSquare = 0x100, kPsEndCapFlat = 0x200;
constexpr std::uint32_t kPsJoinMask = 0xF000, kPsJoinBevel = 0x1000, kPsJoinMiter = 0x2000;
constexpr std::uint32_t kPsGeometric = 0x10000;

enum BrushStyle { kBsSolid = 0, kBsNull = 1, kBsHatched = 2, kBsPattern = 3, kBsDibPattern = 5, kBsDibPatternPt = 6 };

constexpr std::uint32_t kStockObject = 0x80000000;

// SetBkMode, SetPolyFillMode, SetArcDirection, clipping combinations, world transform changes.
constexpr std::uint32_t kOpaque = 2;
constexpr std::uint32_t kAlternate = 1;
constexpr std::uint32_t kAdClockwise = 2;
enum RegionMode { kRgnAnd = 1, kRgnOr, kRgnXor, kRgnDiff, kRgnCopy };
enum WorldTransformMode { kMwtIdentity = 1, kMwtLeftMultiply, kMwtRightMultiply, kMwtSet };

// Text alignment and ExtTextOut options.
constexpr std::uint32_t kTaUpdateCp = 1;
constexpr std::uint32_t kEtoOpaque = 2, kEtoClipped = 4, kEtoGlyphIndex = 0x10, kEtoPdy = 0x2000;

// Raster operations a PDF can draw.
constexpr std::uint32_t kSrcCopy = 0x00CC0020, kPatCopy = 0x00F00021, kBlackness = 0x00000042,
                        kWhiteness = 0x00FF0062, kDstCopy = 0x00AA0029;
constexpr std::uint32_t kR2CopyPen = 13, kR2Nop = 11;

// PolyDraw point types.
constexpr std::uint8_t kPtCloseFigure = 1, kPtLineTo = 2, kPtBezierTo = 4, kPtMoveTo = 6;
