#pragma once

// The number of whole years a term counts: 1, 2, ... while the year does not exceed the
// term, so none for a term below 1. The year counter is a 16-bit integer by design, so a
// term beyond 32767 years is a ValuationFailure; this also keeps an absurd term such as 1e30
// from looping for ages.
int wholeYears(float termYears);
