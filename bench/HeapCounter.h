#pragma once

#include <cstdint>

// Counts the heap that the program takes between Start and Stop: every allocation of the
// benchmark program, Qt's included, goes through the wrappers of malloc and free in
// HeapCounter.cpp, which count the usable size of each block while counting is on and cost next
// to nothing while it is off.
namespace HeapCounter
{

void Start();
void Stop();
// The bytes taken since Start, less those given back (of any age): now, and at the worst moment.
std::int64_t Current();
std::int64_t Peak();

} // namespace HeapCounter
