ZOÉ             42
JEAN-PAUL       57
INCONNU         10000
