// Prints what kestrian-doc lint wrote as JSON or SARIF, parsed, a line a
// finding, for a test to compare. A SARIF log is first validated against the
// SARIF 2.1.0 JSON schema; bytes that are not UTF-8 fail either way.
//   node lint_output.js json|sarif FILE
'use strict';
const fs = require('fs');
const path = require('path');

// The schema as the package ships it (its exports do not name the file).
const kSchema = path.join(__dirname, 'node_modules', '@datadog', 'datadog-ci-plugin-sarif', 'dist',
  'json-schema', 'sarif-schema-2.1.0.json');

const [format, file] = process.argv.slice(2);
const text = new TextDecoder('utf-8', { fatal: true }).decode(fs.readFileSync(file));
const log = JSON.parse(text);

if (format === 'json') {
  for (const finding of log) {
    console.log(Object.keys(finding).join(',') + ' | ' + Object.values(finding).join(' | '));
  }
} else {
  const Ajv = require('ajv');
  const addFormats = require('ajv-formats');
  const schema = JSON.parse(fs.readFileSync(kSchema, 'utf8'));
  const ajv = new Ajv({ allErrors: true, strict: false });
  addFormats(ajv);
  const validate = ajv.compile(schema);
  if (!validate(log)) {
    console.error(ajv.errorsText(validate.errors, { separator: '\n' }));
    process.exit(1);
  }
  const run = log.runs[0];
  const driver = run.tool.driver;
  console.log([log.$schema, log.version, driver.name, driver.version].join(' | '));
  console.log(driver.rules.map((rule) => rule.id).join(','));
  for (const result of run.results) {
    const where = result.locations[0].physicalLocation;
    console.log([result.ruleId, result.level, where.artifactLocation.uri,
      where.region ? where.region.startLine : '-', result.message.text].join(' | '));
  }
}
