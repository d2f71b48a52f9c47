#pragma once

// Root passes every permission check, so a test of refused access has to run as an ordinary user.
// As root, RanAsOrdinaryUser runs the current test again in a child process as "nobody", fails
// the test when the child fails, and returns true: the caller returns at once. As anyone else it
// returns false and the test goes on in this process.
bool RanAsOrdinaryUser();
