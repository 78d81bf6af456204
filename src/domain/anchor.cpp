int tesselmarDomainAnchor() { return 0; }
