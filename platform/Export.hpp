#pragma once
// Marks the entry points a shared object exports; everything else stays hidden.
#define VX_EXPORT __attribute__((visibility("default")))
