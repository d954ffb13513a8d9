#pragma once

// The view's own messages.
constexpr char kDeletePageQuestion[] = "Are you sure to delete this page?";
