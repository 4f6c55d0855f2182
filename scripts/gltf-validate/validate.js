// Prints, for each glTF file named, its count of errors and warnings and the
// issues behind them; exits with 1 when any file has either.
'use strict';
const fs = require('fs');
const validator = require('gltf-validator');

async function main(paths) {
  let failed = false;
  for (const path of paths) {
    const report = await validator.validateBytes(
        new Uint8Array(fs.readFileSync(path)), {uri: path, maxIssues: 0});
    const {numErrors, numWarnings, numInfos, messages} = report.issues;
    console.log(`${path}: ${numErrors} errors, ${numWarnings} warnings, ` +
                `${numInfos} infos`);
    for (const issue of messages) {
      console.log(`  ${issue.severity} ${issue.code} ${issue.pointer || ''}: ` +
                  `${issue.message}`);
    }
    if (numErrors > 0 || numWarnings > 0) failed = true;
  }
  return failed ? 1 : 0;
}

main(process.argv.slice(2)).then(
    (status) => process.exit(status),
    (error) => {
      console.error(String(error));
      process.exit(1);
    });
