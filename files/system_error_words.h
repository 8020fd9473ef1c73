#pragma once

#include <string>

// Says what a system error number means for someone saving or opening a
// file, in words that fit after "Cannot save "x": ".
std::string DescribeSystemError(int error);
