// Linked after tavirel.js's factory: `node tavirel.js` runs the dialogue; a page or a script
// that loads the file calls the factory itself.
if (typeof require !== 'undefined' && typeof module !== 'undefined' && require.main === module) {
  tavirel();
}
