#pragma once

#include <string_view>

namespace bulbicalc {

class WindowState;

// Closing the formula: a fertiliser's quantity in a parcela chosen so that the
// parcela's difference of one nutrient is met exactly, or so that the first of
// N, P2O5 and K2O to be met is met without oversupplying the other two.

// The limit of a nutrient the fertiliser does not contain: it sets no limit.
inline constexpr double kNoLimit = 1000000;

// kg/ha of product that supply `difference` kg/ha of a nutrient the product
// holds `content` % of; 0 when either is 0.
double closingQuantity(double difference, double content);

// The smallest of the N, P2O5 and K2O limits (difference × 100 / content, or
// kNoLimit for a content of 0).
double smallestNpkQuantity(double differenceN, double differenceP2O5, double differenceK2O, double contentN,
                           double contentP2O5, double contentK2O);

// The closure routines for the quantity cell (coluna, linha) of the fertiliser
// grid: each reads the parcela's differences as RstgaFalta shows them now and
// the row's contents, writes the quantity and recalculates the parcela. A
// content or difference that is not a number throws ConversionError before
// the cell is written.
void ZeraN(WindowState& window, int coluna, int linha);
void ZeraP(WindowState& window, int coluna, int linha);
void ZeraK(WindowState& window, int coluna, int linha);
void ZeraS(WindowState& window, int coluna, int linha);
void FechaMenorNPK(WindowState& window, int coluna, int linha);

// When the quantity cell holds exactly one of the codes "?" (smallest NPK),
// "?1" (N), "?2" (P2O5), "?3" (K2O), "?4" (S), resolves it and returns true.
bool resolveClosureCode(WindowState& window, int coluna, int linha);

// The commands of the fertiliser grid's popup menu, by caption, in order.
inline constexpr std::string_view kClosureCommands[] = {
    "Fechar pelo menor NPK", "Fechar pelo N", "Fechar pelo P205", "Fechar pelo K2O", "Fechar pelo S"};

// Registers the popup commands. A command acts on the grid's current cell
// when it is a quantity cell: it first recalculates the parcela with that cell
// empty, so the difference it closes does not count the cell's old quantity,
// then closes and recalculates. When that fails the cell gets its text back.
// On a name, content or price cell a command does nothing.
void registerClosureCommands(WindowState& window);

} // namespace bulbicalc
