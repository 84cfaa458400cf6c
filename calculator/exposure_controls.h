#pragma once
// The exposure page: exposure values and the S+L=A+T system.

struct TExposureControls {
};
