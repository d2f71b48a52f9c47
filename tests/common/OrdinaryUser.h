#pragma once

// As root (who passes every permission check), runs the current test again as "nobody" and returns
// true, so the caller returns at once; otherwise returns false.
bool RanAsOrdinaryUser();
