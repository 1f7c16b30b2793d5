#pragma once

namespace bulbicalc {

class WindowState;

// Nitrogen: the N dose from organic matter, yield and cultivation system,
// written to Edit16 (stores MO and Producao).
void DoseN(WindowState& window);

// Phosphorus: class limits by clay, the class of P, the P2O5 dose with its
// yield correction (Edit18) and the advice on BtObsP.
void ClasseP(WindowState& window);

// Potassium: class limits by CTC, the class of K, the K2O dose (Edit19), and
// the proposed potash split with its advice on BtObsK (stores Producao).
void ClasseK(WindowState& window);

// Sulphur: the S dose by soil group and S content, when EdS is given.
void DoseS(WindowState& window);

// Micronutrient advice, when the content is given.
void DoseZn(WindowState& window);
void DoseB(WindowState& window);
void DoseMn(WindowState& window);

} // namespace bulbicalc
