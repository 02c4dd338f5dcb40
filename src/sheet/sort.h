// Sorting the table by one parameter, or back into entry order. The sort
// is stable; a row whose key is not a number (NaN) goes after every number
// in both directions.
#pragma once

// Ascending by the key sortItmID (1: entry order, 2..14: Dia .. Le).
void AscendSort();
// Descending by the key; entry order (key 1) is always ascending.
void DescendSort();
// AscendSort or DescendSort by the direction sendItmID.
void SelectSort();
