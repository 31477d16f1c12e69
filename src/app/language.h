#pragma once

class Calibration;
class QTranslator;

// Chooses the interface language: the first of En, Fr, De, It, Es, Nl whose translation file
// is installed in the Languages folder wins. Loads it into translator and stores its index in
// the shared context (0 when none is installed).
void loadLanguage(QTranslator &translator, Calibration &context);
