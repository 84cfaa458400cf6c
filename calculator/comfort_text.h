#pragma once
// The read-only note of the model-comfort group: the source text of the ComfortText context.

extern const char* const ComfortText;
