#pragma once
// The read-only note of the model-comfort group.

extern const char* const ComfortText;
